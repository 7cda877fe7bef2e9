// The three fonts the controls write in, opened once from Debian's font packages.
#pragma once

#include "frontends/sdl/scale.h"
#include "ui/control_table.h"

#include <SDL_ttf.h>

#include <array>
#include <string>

namespace tallyrope {

// Calls TTF_Init itself and TTF_Quit when destroyed (SDL_ttf counts the calls), so the caller
// need not initialise SDL_ttf.
//
// Each kind has the face and the height of the Windows font it stands for: Phrase is Liberation
// Mono Bold (the metric twin of Courier New) 22 pixels high, DefaultGui Liberation Sans 13 pixels
// (the 8-point GUI font at 96 DPI), System Liberation Sans Bold 15 pixels (as narrow as the system
// font, so that the console's boxes take their 38 and 34 characters). DejaVu stands in where
// Liberation is missing.
//
// What the rules see is laid out in table pixels with these fonts; the screen shows each text
// in the same face at the scale's multiple of its point size.
class Fonts {
  public:
    explicit Fonts(Scale scale = Scale());
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    // Never null while any face was found: a kind whose own faces are all missing borrows
    // another kind's font.
    TTF_Font* font(ControlFont kind) const;
    // The same at the scale, for drawing.
    TTF_Font* drawn(ControlFont kind) const;

    // Every kind has one of its own faces.
    bool complete() const;

  private:
    bool ttf_ = false;
    std::array<TTF_Font*, 3> owned_{};
    std::array<TTF_Font*, 3> shown_{};
    std::array<TTF_Font*, 3> scaledOwned_{}; // none at scale 1
    std::array<TTF_Font*, 3> drawn_{};
};

// The width in pixels of a line of Windows-1252 text in `font`.
int textWidth(TTF_Font* font, const std::string& bytes);

} // namespace tallyrope
