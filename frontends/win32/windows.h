// The three caption-less windows, each painted by a pattern brush made from its bitmap, at the
// scale of the monitor they are on.
#pragma once

#include "frontends/win32/front_end.h"
#include "ui/window_table.h"

namespace tallyrope {

// Registers the class of `row`'s window and creates the window hidden at `scale`, owned by
// `owner` when the window table says so. Nothing when the class cannot be registered.
HWND createWindow(FrontEnd& frontEnd, const WindowRow& row, HWND owner, Scale scale);

// `window` has reached a monitor of `dpi`: it is drawn again at that monitor's scale with its
// top-left corner where the window system suggests, keeping the round, the texts and the focus.
void moveToDpi(FrontEnd& frontEnd, Window window, int dpi, const RECT& suggested);

// Every window and button face is drawn again with its captions in the language now in play.
void redrawCaptions(FrontEnd& frontEnd);

} // namespace tallyrope
