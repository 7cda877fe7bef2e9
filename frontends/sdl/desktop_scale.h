// The scale of this run, from the command line or the desktop, fitted to the display.
#pragma once

#include "frontends/sdl/scale.h"

#include <string>

namespace tallyrope {

// `option` is --scale's value, empty when not given. Needs SDL's video.
Scale scaleForDisplay(const std::string& option);

} // namespace tallyrope
