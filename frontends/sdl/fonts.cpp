#include "frontends/sdl/fonts.h"

#include "frontends/sdl/code_page.h"

#include <string>
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
// measuring: the largest whose line is no higher than the Windows font's.
bool fitHeight(TTF_Font* font, int pixelHeight) {
    int best = 0;
    for (int size = 1; size <= 2 * pixelHeight; ++size) {
        if (TTF_SetFontSize(font, size) != 0 || TTF_FontHeight(font) > pixelHeight)
            break;
        best = size;
    }
    return best > 0 && TTF_SetFontSize(font, best) == 0;
}

TTF_Font* open(const Face& face) {
    for (const std::string& file : face.files) {
        TTF_Font* font = TTF_OpenFont(file.c_str(), face.pixelHeight);
        if (!font)
            continue;
        if (fitHeight(font, face.pixelHeight))
            return font;
        TTF_CloseFont(font);
    }
    return nullptr;
}

} // namespace

Fonts::Fonts() {
    ttf_ = TTF_Init() == 0;
    if (!ttf_)
        return;
    TTF_Font* any = nullptr;
    for (const Face& face : faces()) {
        owned_[slot(face.kind)] = open(face);
        if (owned_[slot(face.kind)])
            any = owned_[slot(face.kind)];
    }
    for (std::size_t i = 0; i < owned_.size(); ++i)
        shown_[i] = owned_[i] ? owned_[i] : any;
}

Fonts::~Fonts() {
    if (!ttf_)
        return;
    for (TTF_Font* font : owned_)
        if (font)
            TTF_CloseFont(font);
    TTF_Quit();
}

TTF_Font* Fonts::font(ControlFont kind) const {
    return shown_[slot(kind)];
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
