// The pictures' captions in every language: each fits its box in the art's faces, at scale 1
// and at scale 2, where the faces are hinted anew.
#include "frontends/sdl/code_page.h"
#include "frontends/sdl/text_layout.h"
#include "text/catalogue.h"
#include "text/languages.h"
#include "ui/caption_table.h"

#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace tallyrope {
namespace {

const char* fileOf(CaptionFace face) {
    switch (face) {
    case CaptionFace::Sans:
        return "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    case CaptionFace::SansBold:
        return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    case CaptionFace::SansCondensedBold:
        return "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";
    case CaptionFace::SerifBold:
        return "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";
    case CaptionFace::SerifItalic:
        return "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Italic.ttf";
    }
    return "";
}

class Faces {
  public:
    Faces() { TTF_Init(); }
    ~Faces() {
        for (auto& [key, font] : open_) {
            TTF_CloseFont(font);
        }
        TTF_Quit();
    }

    // The width of `utf8` in `face` at `pixels`; -1 when the face is missing.
    int width(CaptionFace face, int pixels, const std::string& utf8) {
        TTF_Font*& font = open_[{face, pixels}];
        if (font == nullptr) {
            font = TTF_OpenFont(fileOf(face), pixels);
        }
        int w = -1;
        int h = 0;
        return font != nullptr && TTF_SizeUTF8(font, utf8.c_str(), &w, &h) == 0 ? w : -1;
    }

  private:
    std::map<std::pair<CaptionFace, int>, TTF_Font*> open_;
};

// What is wrong with a caption's words in a language at a scale; empty when they fit.
std::string misfit(Faces& faces, const CaptionRow& row, const std::string& code, int scale) {
    const std::string text = toUtf8(captionText(row, code));
    const int room = (row.box.right - row.box.left) * scale;
    for (int size = row.pixelSize; size >= std::max(row.smallestSize, 1); --size) {
        const auto measure = [&](const std::string& line) {
            return faces.width(row.face, size * scale, line);
        };
        int used = 0;
        if (row.lead != nullptr) {
            const std::string lead = toUtf8(translate(code, row.lead));
            used = faces.width(CaptionFace::SansBold, size * scale, lead + " ") +
                   measure("\xE2\x80\x93 " + text);
        } else if (row.lines > 1) {
            const std::vector<std::string> lines = wrapLines(text, room, measure);
            for (const std::string& line : lines) {
                used = std::max(used, measure(line));
            }
            if (static_cast<int>(lines.size()) > row.lines) {
                return std::to_string(lines.size()) + " lines";
            }
        } else {
            used = measure(text);
        }
        if (used >= 0 && used <= room) {
            return {};
        }
        if (row.smallestSize == 0) {
            return std::to_string(used) + " pixels in " + std::to_string(room);
        }
    }
    return "too wide at its smallest size";
}

TEST(Captions, EveryCaptionFitsItsBoxInEveryLanguageAtScaleOneAndTwo) {
    Faces faces;
    ASSERT_EQ(faces.width(CaptionFace::SansBold, 12, "New Puzzle") > 0, true) << "DejaVu missing";
    std::vector<std::string> misfits;
    for (const Language& language : languages()) {
        for (int scale : {1, 2}) {
            for (const CaptionRow& row : captionTable()) {
                const std::string problem = misfit(faces, row, language.code, scale);
                if (!problem.empty()) {
                    misfits.push_back(language.code + " at " + std::to_string(scale) + ": \"" +
                                      toUtf8(captionText(row, language.code)) + "\", " + problem);
                }
            }
        }
    }
    EXPECT_EQ(misfits, std::vector<std::string>{});
}

} // namespace
} // namespace tallyrope
