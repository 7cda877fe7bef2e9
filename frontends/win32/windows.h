// The three caption-less windows, each painted by a pattern brush made from its bitmap.
#pragma once

#include "frontends/win32/front_end.h"
#include "ui/window_table.h"

namespace tallyrope {

// Registers the class of `row`'s window and creates the window hidden, owned by `owner`
// when the window table says so. Nothing when the class cannot be registered.
HWND createWindow(FrontEnd& frontEnd, const WindowRow& row, HWND owner);

} // namespace tallyrope
