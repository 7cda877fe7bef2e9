// What reaches the screen: window backgrounds, button faces normal and pressed, and the
// light-grey text fields, compared pixel for pixel with the bitmaps inside the program file.
#include "game_copy.h"
#include "screen_pixels.h"
#include "ui/control_ids.h"
#include "ui/control_table.h"
#include "ui/window_table.h"
#include "waiting.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace tallyrope::testing {
namespace {

class Drawing : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(game.start());
        program = std::make_unique<ProgramBitmaps>(game);
        ASSERT_TRUE(program->loaded());
        // The window may show a moment before it is painted.
        const Pixels background = bitmap(windowRow(Window::Main).background);
        ASSERT_TRUE(waitUntil([&] {
            return screenPixels(game.screenRect(game.window(Window::Main))).at(300, 10) ==
                   background.at(300, 10);
        }));
    }

    Pixels bitmap(int id) const { return program->bitmap(id); }

    // Waits for the control's face on screen to equal `expected` around its caption.
    bool faceShows(int id, const Pixels& expected) const {
        return waitUntil([&] {
            return withoutCaption(screenPixels(game.screenRect(game.control(id)))) ==
                   withoutCaption(expected);
        });
    }

    GameCopy game;
    std::unique_ptr<ProgramBitmaps> program;
};

TEST_F(Drawing, ButtonsShowTheirPressedFaceOnlyWhileHeldDown) {
    for (int id : {id::hNewGame, id::hPuzzled, id::hQuitGame, id::hPlayerOne}) {
        const ControlRow& row = *findControl(id);
        SCOPED_TRACE(row.handle);
        HWND button = game.control(id);
        ASSERT_FALSE(bitmap(row.bitmap) == bitmap(row.pressedBitmap));
        EXPECT_TRUE(faceShows(id, bitmap(row.bitmap)));
        game.send(button, BM_SETSTATE, TRUE);
        EXPECT_TRUE(faceShows(id, bitmap(row.pressedBitmap)));
        game.send(button, BM_SETSTATE, FALSE);
        EXPECT_TRUE(faceShows(id, bitmap(row.bitmap)));
    }
}

TEST_F(Drawing, TheBackgroundIsTheWindowsBitmap) {
    const Pixels background = bitmap(windowRow(Window::Main).background);
    const Pixels shown = screenPixels(game.screenRect(game.window(Window::Main)));
    // Points away from every control: the title strip, the slate, the frame's corner.
    for (const POINT point : {POINT{300, 10}, POINT{100, 200}, POINT{5, 615}, POINT{620, 300}}) {
        EXPECT_EQ(shown.at(point.x, point.y), background.at(point.x, point.y))
            << point.x << "," << point.y;
    }
}

TEST_F(Drawing, TheMessageWindowShowsItsBitmapAndButton) {
    game.click(Window::Main, {10, 10});
    const RECT rect = game.screenRect(game.window(Window::Message));
    const Pixels background = bitmap(windowRow(Window::Message).background);
    EXPECT_TRUE(waitUntil([&] {
        const Pixels shown = screenPixels(rect);
        return shown.at(10, 10) == background.at(10, 10) &&
               shown.at(300, 90) == background.at(300, 90);
    }));
    EXPECT_TRUE(faceShows(id::hMsgOkBut, bitmap(findControl(id::hMsgOkBut)->bitmap)));
}

TEST_F(Drawing, TextFieldsAreLightGreyWithBlackText) {
    constexpr DWORD lightGrey = 0xC0C0C0;
    for (int id : {id::hPOneScore, id::hGiveHint, id::hUsedBin, id::hSolveMe, id::hPuzzler}) {
        const Pixels field = screenPixels(game.screenRect(game.control(id)));
        // The last column: past any text the field holds at start.
        EXPECT_EQ(field.at(field.width - 1, field.height / 2), lightGrey) << id;
    }
    // The score's text, black, may be drawn a moment after its field.
    EXPECT_TRUE(waitUntil([&] {
        const Pixels score = screenPixels(game.screenRect(game.control(id::hPOneScore)));
        return std::count(score.colours.begin(), score.colours.end(), DWORD{0}) > 0;
    }));
}

} // namespace
} // namespace tallyrope::testing
