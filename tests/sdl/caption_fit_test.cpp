// The pictures' captions in every language: each fits its box in the art's faces, at scale 1
// and at scale 2, where the faces are hinted anew; and they stand where the art had them.
#include "frontends/sdl/captions.h"
#include "frontends/sdl/code_page.h"
#include "text/languages.h"
#include "ui/caption_layout.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallyrope {
namespace {

CaptionLayout layOut(Captions& captions, const CaptionRow& row, const std::string& code,
                     int percent, bool pressed = false) {
    return layOutCaption(row, code, Scale(percent), pressed,
                         [&](const std::string& bytes, CaptionFace face, int pixels) {
                             return captions.measure(bytes, face, pixels);
                         });
}

const CaptionRow& rowOf(const char* text, int control = 0) {
    for (const CaptionRow& row : captionTable()) {
        if (std::string(row.text) == text && row.control == control) {
            return row;
        }
    }
    throw std::runtime_error(text);
}

TEST(Captions, EveryCaptionFitsItsBoxInEveryLanguageAtScaleOneAndTwo) {
    Captions captions;
    ASSERT_GT(captions.measure("New Puzzle", CaptionFace::SansBold, 12), 0);
    std::vector<std::string> misfits;
    for (const Language& language : languages()) {
        for (int percent : {100, 200}) {
            for (const CaptionRow& row : captionTable()) {
                if (!layOut(captions, row, language.code, percent).fits) {
                    misfits.push_back(language.code + " at " + std::to_string(percent) + ": \"" +
                                      toUtf8(captionText(row, language.code)) + "\"");
                }
            }
        }
    }
    EXPECT_EQ(misfits, std::vector<std::string>{});
}

// Where the pieces start, as "x,baseline" each.
std::string places(const CaptionLayout& layout) {
    std::string shown;
    for (const CaptionPiece& piece : layout.pieces) {
        shown += std::to_string(piece.x) + "," + std::to_string(piece.baseline) + " ";
    }
    return shown;
}

TEST(Captions, StandWhereTheArtPaintedThemAndScaleWithTheWindow) {
    Captions captions;
    EXPECT_EQ(places(layOut(captions, rowOf("Player 1"), "en", 100)), "658,105 ");
    EXPECT_EQ(places(layOut(captions, rowOf("Player 1"), "en", 150)), "987,158 ");
    EXPECT_EQ(places(layOut(captions, rowOf("New Puzzle", id::hNewGame), "en", 100)), "13,19 ");
    EXPECT_EQ(places(layOut(captions, rowOf("New Puzzle", id::hNewGame), "en", 100, true)),
              "14,20 ");
    // A note's button name, then its meaning 6 pixels after it.
    EXPECT_EQ(places(layOut(captions, rowOf("deletes the puzzle on view."), "en", 100)),
              "70,226 98,226 ");
    // Two lines, 20 pixels apart, 30 at one and a half.
    const CaptionRow& introduction = *std::find_if(
        captionTable().begin(), captionTable().end(), [](const CaptionRow& row) {
            return row.lines == 2 && row.window == Window::AddPuzzles;
        });
    EXPECT_EQ(places(layOut(captions, introduction, "en", 150)), "72,162 72,192 ");
}

} // namespace
} // namespace tallyrope
