// Keys the message loop takes before the window or control with the focus sees them.
#pragma once

#include "frontends/win32/front_end.h"

#include <windows.h>

namespace tallyrope {

// Enter in an edit box and F1 anywhere, pressed once (a held key does not repeat them); true
// when `message` was such a key and must not be dispatched.
bool takeKey(FrontEnd& frontEnd, const MSG& message);

} // namespace tallyrope
