// The pictures' captions, drawn in the art's faces at the scale and in the player's language.
#pragma once

#include "ui/caption_layout.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <map>
#include <string>
#include <tuple>

namespace tallyrope {

class Captions {
  public:
    Captions();
    ~Captions();
    Captions(const Captions&) = delete;
    Captions& operator=(const Captions&) = delete;

    int measure(const std::string& bytes, CaptionFace face, int pixels);

    // The captions of `window`'s background (`control` 0) or of a control's picture, a button's
    // face or a bubble, whose corner is at `origin` on `target`.
    void draw(Window window, int control, bool pressed, const std::string& code, Scale scale,
              SDL_Surface* target, SDL_Point origin);

  private:
    TTF_Font* font(CaptionFace face, int pixels);
    void drawPiece(const CaptionPiece& piece, SDL_Surface* target, SDL_Point at);

    bool ttf_ = false;
    std::map<std::pair<CaptionFace, int>, TTF_Font*> fonts_;
};

} // namespace tallyrope
