#include "frontends/sdl/captions.h"

#include "frontends/sdl/code_page.h"
#include "frontends/sdl/embedded_resources.h"

namespace tallyrope {

Captions::Captions() : ttf_(TTF_Init() == 0) {}

Captions::~Captions() {
    for (const auto& [key, font] : fonts_) {
        TTF_CloseFont(font);
    }
    if (ttf_) {
        TTF_Quit();
    }
}

TTF_Font* Captions::font(CaptionFace face, int pixels) {
    TTF_Font*& font = fonts_[{face, pixels}];
    if (font == nullptr && ttf_) {
        const Blob file = captionFontResource(face);
        font =
            TTF_OpenFontRW(SDL_RWFromConstMem(file.data, static_cast<int>(file.size)), 1, pixels);
    }
    return font;
}

int Captions::measure(const std::string& bytes, CaptionFace face, int pixels) {
    TTF_Font* shown = font(face, pixels);
    int width = 0;
    int height = 0;
    return shown != nullptr && TTF_SizeUTF8(shown, toUtf8(bytes).c_str(), &width, &height) == 0
               ? width
               : 0;
}

void Captions::drawPiece(const CaptionPiece& piece, SDL_Surface* target, SDL_Point at) {
    TTF_Font* shown = font(piece.face, piece.pixels);
    if (shown == nullptr || piece.text.empty()) {
        return;
    }
    const CaptionColour ink = piece.ink;
    SDL_Surface* line = TTF_RenderUTF8_Blended(shown, toUtf8(piece.text).c_str(),
                                               {ink.red, ink.green, ink.blue, 255});
    if (line == nullptr) {
        return;
    }
    SDL_Rect place{at.x, at.y - TTF_FontAscent(shown), line->w, line->h};
    SDL_BlitSurface(line, nullptr, target, &place);
    SDL_FreeSurface(line);
}

void Captions::draw(Window window, int control, bool pressed, const std::string& code, Scale scale,
                    SDL_Surface* target, SDL_Point origin) {
    const auto measured = [this](const std::string& bytes, CaptionFace face, int pixels) {
        return measure(bytes, face, pixels);
    };
    for (const CaptionPiece& stroke :
         captionStrokes(window, control, pressed, code, scale, measured)) {
        drawPiece(stroke, target, {origin.x + stroke.x, origin.y + stroke.baseline});
    }
}

} // namespace tallyrope
