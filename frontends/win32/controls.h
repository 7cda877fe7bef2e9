// The 66 controls of the three windows, made from the control table.
#pragma once

#include "frontends/win32/front_end.h"

namespace tallyrope {

// Creates every control in table order with its font, start-up text and length limit, then
// attaches the start-up bitmaps and hides the gallows drawing.
void createControls(FrontEnd& frontEnd);

} // namespace tallyrope
