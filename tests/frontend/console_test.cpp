// The Add_Puzzles window as the main window's buttons, its own buttons and the window system
// show, hide and use it.
#include "game_copy.h"
#include "ui/control_ids.h"
#include "waiting.h"

#include <gtest/gtest.h>

namespace tallyrope::testing {
namespace {

class Console : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(game.start()); }

    bool shown() const { return IsWindowVisible(game.window(Window::AddPuzzles)) != FALSE; }

    // Whether a left arrow moves the main window.
    bool arrowsMove() const {
        const LONG before = game.screenRect(game.window(Window::Main)).left;
        game.key(VK_LEFT);
        return game.screenRect(game.window(Window::Main)).left == before - 2;
    }

    GameCopy game;
};

TEST_F(Console, WhileItShowsTheArrowsMoveNothing) {
    game.press(id::hConsole);
    ASSERT_TRUE(shown());
    const RECT addPuzzles = game.screenRect(game.window(Window::AddPuzzles));
    for (int key : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}) {
        EXPECT_FALSE(arrowsMove()) << key;
        game.key(key);
    }
    EXPECT_EQ(game.screenRect(game.window(Window::AddPuzzles)).left, addPuzzles.left);
    EXPECT_EQ(game.screenRect(game.window(Window::AddPuzzles)).top, addPuzzles.top);
    game.press(id::hNoCon);
    EXPECT_FALSE(shown());
    EXPECT_TRUE(arrowsMove());
}

TEST_F(Console, ACloseRequestDoesWhatItsXDoes) {
    game.press(id::hConsole);
    ASSERT_TRUE(shown());
    game.send(game.window(Window::AddPuzzles), WM_CLOSE);
    EXPECT_FALSE(shown());
    EXPECT_TRUE(game.running());
    EXPECT_TRUE(arrowsMove());
    game.press(id::hConsole);
    EXPECT_TRUE(shown());
}

TEST_F(Console, ACloseRequestWhileHiddenChangesNothing) {
    game.send(game.window(Window::AddPuzzles), WM_CLOSE);
    EXPECT_FALSE(shown());
    EXPECT_TRUE(game.running());
    EXPECT_TRUE(arrowsMove());
    game.press(id::hConsole);
    EXPECT_TRUE(shown());
    EXPECT_EQ(game.file("TRData.dat"), onlyPuzzle);
}

TEST_F(Console, AddPuzzleAppendsWhatWasTyped) {
    game.press(id::hConsole);
    game.type(id::hEditWord, "Spill the Beans");
    game.type(id::hEditHint, "Reveal a secret");
    game.press(id::hAddPuzzle);
    EXPECT_EQ(game.file("TRData.dat"),
              std::string(onlyPuzzle) + "spill the beans;Reveal a secret:");
    EXPECT_EQ(game.text(id::hEditWord), "");
    EXPECT_EQ(game.text(id::hEditHint), "");
}

// Review shows the next stored puzzle in the console's two boxes.
std::pair<std::string, std::string> review(const GameCopy& game) {
    game.press(id::hViewNext);
    return {game.text(id::hEditWord), game.text(id::hEditHint)};
}

TEST_F(Console, AddedReviewedAndDeletedPuzzlesReachTheStoreAtQuit) {
    using Shown = std::pair<std::string, std::string>;
    game.press(id::hConsole);
    game.type(id::hEditWord, "Spill the Beans");
    game.type(id::hEditHint, "Reveal a secret");
    game.press(id::hAddPuzzle);
    EXPECT_EQ(review(game), Shown("BIG TOP", "Circus tent"));
    game.press(id::hDelSelect);
    EXPECT_EQ(game.file("TRData.dat"), "spill the beans;Reveal a secret:");
    EXPECT_EQ(review(game), Shown("Resetting Puzzle Viewer...", ""));
    EXPECT_EQ(review(game), Shown("spill the beans", "Reveal a secret"));

    game.post(id::hQuitGame);
    DWORD exitCode = 1;
    ASSERT_TRUE(game.waitForExit(exitCode, answerTimeout));
    EXPECT_EQ(game.file("TRData.dat"), "Data purged...");

    ASSERT_TRUE(game.start());
    EXPECT_EQ(game.file("TRData.dat"), "spill the beans;Reveal a secret:")
        << "the store holds exactly the remaining puzzle";
    game.press(id::hNewGame);
    EXPECT_EQ(game.text(id::hGiveHint), "Reveal a secret");
}

TEST(LockedConsole, StaysHidden) {
    Files files = usualFiles();
    files["TRC_CONFIG.INI"] = "Disable_Console= 1\r\nDisable_VCCntls= 1\r\n";
    GameCopy game(files);
    ASSERT_TRUE(game.start());
    game.press(id::hConsole);
    EXPECT_FALSE(IsWindowVisible(game.window(Window::AddPuzzles)));
}

} // namespace
} // namespace tallyrope::testing
