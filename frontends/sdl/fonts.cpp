#include "frontends/sdl/fonts.h"

#include "frontends/sdl/code_page.h"

#include <string>
#include <utility>
#include <vector>

namespace tallyrope {
namespace {

struct Face {
    ControlFont kind;
    int pixelHeight;
    std::vector<std::string> files; // first found wins
};

const std::string kLiberation2 = "/usr/share/fonts/truetype/liberation2/";
const std::string kLiberation = "/usr/share/fonts/truetype/liberation/";
const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/";

const std::vector<Face>& faces() {
    static const std::vector<Face> all = {
        {ControlFont::System,
         15,
         {kLiberation2 + "LiberationSans-Bold.ttf", kLiberation + "LiberationSans-Bold.ttf",
          kDejaVu + "DejaVuSans-Bold.ttf"}},
        {ControlFont::Phrase,
         22,
         {kLiberation2 + "LiberationMono-Bold.ttf", kLiberation + "LiberationMono-Bold.ttf",
          kDejaVu + "DejaVuSansMono-Bold.ttf"}},
        {ControlFont::DefaultGui,
         13,
         {kLiberation2 + "LiberationSans-Regular.ttf", kLiberation + "LiberationSans-Regular.ttf",
          kDejaVu + "DejaVuSans.ttf"}},
    };
    return all;
}

std::size_t slot(ControlFont kind) {
    return static_cast<std::size_t>(kind);
}

// Point sizes count at 72 DPI and faces differ in line spacing, so the size is found by
// measuring: the largest whose line is no higher than the Windows font's; 0 when none is.
int fitHeight(TTF_Font* font, int pixelHeight) {
    int best = 0;
    for (int size = 1; size <= 2 * pixelHeight; ++size) {
        if (TTF_SetFontSize(font, size) != 0 || TTF_FontHeight(font) > pixelHeight)
            break;
        best = size;
    }
    return best > 0 && TTF_SetFontSize(font, best) == 0 ? best : 0;
}

// The face at `size` points with a DPI of 72 times the scale, so that fractions stay exact.
TTF_Font* openScaled(const std::string& file, int size, Scale scale) {
    const auto dpi = static_cast<unsigned>((72 * scale.percent() + 50) / 100);
    TTF_Font* font = TTF_OpenFontDPI(file.c_str(), size, dpi, dpi);
    // The rules measure lines at scale 1. Lightly hinted, a line drawn at the scale is within
    // 2 percent of that width's multiple; fully hinted, up to 4 percent wider.
    if (font)
        TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
    return font;
}

// The first face found at the Windows font's height, and the same face at the scale (none at
// scale 1).
std::pair<TTF_Font*, TTF_Font*> open(const Face& face, Scale scale) {
    for (const std::string& file : face.files) {
        TTF_Font* font = TTF_OpenFont(file.c_str(), face.pixelHeight);
        if (!font)
            continue;
        const int size = fitHeight(font, face.pixelHeight);
        if (size == 0) {
            TTF_CloseFont(font);
            continue;
        }
        if (scale.percent() == smallestScale)
            return {font, nullptr};
        return {font, openScaled(file, size, scale)};
    }
    return {nullptr, nullptr};
}

} // namespace

Fonts::Fonts(Scale scale) {
    ttf_ = TTF_Init() == 0;
    if (!ttf_)
        return;
    TTF_Font* any = nullptr;
    TTF_Font* anyScaled = nullptr;
    for (const Face& face : faces()) {
        const auto [font, scaled] = open(face, scale);
        owned_[slot(face.kind)] = font;
        scaledOwned_[slot(face.kind)] = scaled;
        if (font) {
            any = font;
            anyScaled = scaled;
        }
    }
    for (std::size_t i = 0; i < owned_.size(); ++i) {
        shown_[i] = owned_[i] ? owned_[i] : any;
        TTF_Font* scaled = owned_[i] ? scaledOwned_[i] : anyScaled;
        drawn_[i] = scaled ? scaled : shown_[i];
    }
}

Fonts::~Fonts() {
    if (!ttf_)
        return;
    for (const auto& fonts : {owned_, scaledOwned_})
        for (TTF_Font* font : fonts)
            if (font)
                TTF_CloseFont(font);
    TTF_Quit();
}

TTF_Font* Fonts::font(ControlFont kind) const {
    return shown_[slot(kind)];
}

TTF_Font* Fonts::drawn(ControlFont kind) const {
    return drawn_[slot(kind)];
}

bool Fonts::complete() const {
    for (TTF_Font* font : owned_)
        if (!font)
            return false;
    return true;
}

int textWidth(TTF_Font* font, const std::string& bytes) {
    int width = 0;
    if (!bytes.empty()) {
        TTF_SizeUTF8(font, toUtf8(bytes).c_str(), &width, nullptr);
    }
    return width;
}

} // namespace tallyrope
