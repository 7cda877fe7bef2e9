// The three borderless windows at the window table's sizes and start positions.
#pragma once

#include "frontends/sdl/front_end.h"

namespace tallyrope {

// Creates the windows hidden, the Add_Puzzles and message windows kept above the main window;
// false when one cannot be made.
bool createWindows(FrontEnd& frontEnd);

// Paints every shown window whose look changed, and blinks the caret of a focused edit box.
void paintChanged(FrontEnd& frontEnd);

// Milliseconds until the caret of the focused edit box blinks, or -1 when no window on view (shown
// and not minimized) has an edit box with the focus.
int millisecondsToBlink(FrontEnd& frontEnd);

// Paints `window` now and returns its surface; nullptr when it has none.
SDL_Surface* paintNow(FrontEnd& frontEnd, Window window);

} // namespace tallyrope
