// Owner-drawn buttons: each drawing loads the normal or pressed face and stretches it over
// the button.
#pragma once

#include <windows.h>

namespace tallyrope {

void drawButtonFace(HINSTANCE instance, const DRAWITEMSTRUCT& item);

} // namespace tallyrope
