// Paints a window: its background bitmap and captions, then its controls as the screen state has
// them.
#pragma once

#include "frontends/sdl/bitmaps.h"
#include "frontends/sdl/captions.h"
#include "frontends/sdl/fonts.h"
#include "frontends/sdl/scale.h"
#include "frontends/sdl/sdl_ui.h"

namespace tallyrope {

// What a window is painted with.
struct Pictures {
    Bitmaps& bitmaps;
    const Fonts& fonts;
    Captions& captions;
    const std::string& languageCode; // of the captions
};

// Paints `window` onto `target` at `scale`, the caret shown when `caretOn` and an edit box of
// the window has the focus.
void drawWindow(const SdlUi& ui, const Pictures& pictures, Scale scale, Window window,
                SDL_Surface* target, bool caretOn);

} // namespace tallyrope
