// The arrow keys move the main and Add_Puzzles windows together; the title strip tells how.
#include "game_copy.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

namespace tallyrope::testing {
namespace {

class WindowMoving : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(game.start()); }

    POINT corner(Window which) const {
        const RECT rect = game.screenRect(game.window(which));
        return {rect.left, rect.top};
    }

    bool messageShown() const { return IsWindowVisible(game.window(Window::Message)) != FALSE; }

    GameCopy game;
};

TEST_F(WindowMoving, EachArrowMovesMainAndAddPuzzlesTwoPixels) {
    struct Move {
        int key, dx, dy;
    };
    const Move moves[] = {{VK_LEFT, -2, 0}, {VK_UP, 0, -2}, {VK_RIGHT, 2, 0}, {VK_DOWN, 0, 2}};
    for (const Move& move : moves) {
        SCOPED_TRACE(move.key);
        const POINT main = corner(Window::Main);
        const POINT addPuzzles = corner(Window::AddPuzzles);
        const POINT message = corner(Window::Message);
        game.key(move.key);
        EXPECT_EQ(corner(Window::Main).x, main.x + move.dx);
        EXPECT_EQ(corner(Window::Main).y, main.y + move.dy);
        EXPECT_EQ(corner(Window::AddPuzzles).x, addPuzzles.x + move.dx);
        EXPECT_EQ(corner(Window::AddPuzzles).y, addPuzzles.y + move.dy);
        EXPECT_EQ(corner(Window::Message).x, message.x);
        EXPECT_EQ(corner(Window::Message).y, message.y);
    }
    const RECT rect = game.screenRect(game.window(Window::Main));
    EXPECT_EQ(rect.right - rect.left, 900);
    EXPECT_EQ(rect.bottom - rect.top, 620);
}

TEST_F(WindowMoving, OtherKeysMoveNothing) {
    const POINT main = corner(Window::Main);
    for (int key : {VK_SPACE, VK_RETURN, int{'A'}, VK_HOME}) {
        game.key(key);
    }
    EXPECT_EQ(corner(Window::Main).x, main.x);
    EXPECT_EQ(corner(Window::Main).y, main.y);
}

TEST_F(WindowMoving, TheFirstTitleStripClickShowsTheMessageOnce) {
    // Right and bottom edges of the strip lie outside it.
    game.click(Window::Main, {640, 10});
    game.click(Window::Main, {10, 25});
    EXPECT_FALSE(messageShown());
    game.click(Window::Main, {0, 0});
    EXPECT_TRUE(messageShown());
    game.press(id::hMsgOkBut);
    EXPECT_FALSE(messageShown());
    game.click(Window::Main, {639, 24});
    EXPECT_FALSE(messageShown());
}

TEST_F(WindowMoving, ATitleStripClickDuringARoundShowsNothing) {
    game.press(id::hNewGame);
    game.click(Window::Main, {5, 5});
    EXPECT_FALSE(messageShown());
}

} // namespace
} // namespace tallyrope::testing
