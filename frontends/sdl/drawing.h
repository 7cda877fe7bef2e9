// Paints a window: its background bitmap, then its controls as the screen state has them.
#pragma once

#include "frontends/sdl/bitmaps.h"
#include "frontends/sdl/fonts.h"
#include "frontends/sdl/scale.h"
#include "frontends/sdl/sdl_ui.h"

namespace tallyrope {

// Paints `window` onto `target` at `scale`, the caret shown when `caretOn` and an edit box of
// the window has the focus.
void drawWindow(const SdlUi& ui, Bitmaps& bitmaps, const Fonts& fonts, Scale scale, Window window,
                SDL_Surface* target, bool caretOn);

} // namespace tallyrope
