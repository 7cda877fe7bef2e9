// The arrow keys move the main window and the Add_Puzzles window together: the windows have
// no caption to drag them by.
#pragma once

#include "ui/win32/front_end.h"

namespace tallyrope {

// A key pressed in one of the three windows; only the arrows do something.
void arrowKey(FrontEnd& frontEnd, int virtualKey);

} // namespace tallyrope
