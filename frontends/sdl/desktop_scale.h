// The scale of this run, from the command line or the desktop, fitted to the display.
#pragma once

#include "frontends/sdl/scale.h"

#include <SDL.h>

#include <string>

namespace tallyrope {

// Reads the area of a display that windows may take, as SDL_GetDisplayUsableBounds does: 0 when
// it knows it.
using UsableBounds = int (*)(int displayIndex, SDL_Rect* area);

// `option` is --scale's value, empty when not given. Needs SDL's video.
Scale scaleForDisplay(const std::string& option, UsableBounds usableBounds);

} // namespace tallyrope
