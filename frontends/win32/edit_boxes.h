// The edit boxes never scroll: typing stops at the right edge. At every scale they stop where
// they stop at scale 1, measuring their text in the system font at 96 DPI against their table
// width: what fits there goes in, even where the scaled text comes out a pixel or two wider
// than the box.
#pragma once

#include "frontends/win32/front_end.h"

#include <windows.h>

namespace tallyrope {

// Makes `edit`, one of the control table's edit boxes, stop typing where it does at scale 1.
void keepTableWidth(FrontEnd& frontEnd, HWND edit);

} // namespace tallyrope
