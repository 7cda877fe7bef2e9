// The keys of a focused edit box: caret moves, selection, deletion and the clipboard.
#pragma once

#include "frontends/sdl/edit_box.h"

#include <SDL.h>

namespace tallyrope {

enum class EditResult { Unhandled, Handled, Refused };

// Applies key `key` with modifiers `mod` to `box`; Refused when the box refused it (the caller
// beeps).
EditResult editKey(EditBox& box, SDL_Keycode key, Uint16 mod);

// Typed text, in UTF-8; Refused when a character has no byte in the code page or does not fit.
EditResult typeText(EditBox& box, const char* utf8);

} // namespace tallyrope
