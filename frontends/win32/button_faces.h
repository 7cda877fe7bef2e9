// Owner-drawn buttons: each drawing loads the normal or pressed face, stretches it over the
// button, smoothly at a fractional scale, and writes the caption over it at the scale.
#pragma once

#include "ui/scale.h"

#include <string>

#include <windows.h>

namespace tallyrope {

void drawButtonFace(HINSTANCE instance, const DRAWITEMSTRUCT& item, Scale scale,
                    const std::string& code);

} // namespace tallyrope
