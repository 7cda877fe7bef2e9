// Owner-drawn buttons: each drawing loads the normal or pressed face and stretches it over
// the button, smoothly at a fractional scale.
#pragma once

#include "ui/scale.h"

#include <windows.h>

namespace tallyrope {

void drawButtonFace(HINSTANCE instance, const DRAWITEMSTRUCT& item, Scale scale);

} // namespace tallyrope
