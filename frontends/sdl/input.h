// What the player does with the pointer and the keyboard, handed to the rules as the Windows
// program's controls would hand it.
#pragma once

#include "frontends/sdl/front_end.h"

namespace tallyrope {

// Handles one SDL event.
void handleEvent(FrontEnd& frontEnd, const SDL_Event& event);

} // namespace tallyrope
