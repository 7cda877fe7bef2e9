// Every way of ending a run: the quit button and the window system's close and end requests
// save the puzzles and the statistics; closing the other two windows does not end the run.
#include "game_copy.h"
#include "storage/puzzle_store.h"
#include "ui/control_ids.h"
#include "waiting.h"

#include <functional>
#include <gtest/gtest.h>

namespace tallyrope::testing {
namespace {

// A won round for player one: 70 points more and a fourth win.
void winARound(const GameCopy& game) {
    game.press(id::hNewGame);
    for (char letter : std::string("BIGTOP")) {
        game.clickControl(id::letterTile(letter - 'A'));
    }
}

void expectSaved(const GameCopy& game) {
    EXPECT_EQ(game.file("TRData.dat"), purgeNotice);
    EXPECT_EQ(game.file("OnLoad.dat"), scramble(onlyPuzzle));
    EXPECT_EQ(game.file("TRStats.dat"), "190 4 2 40 1 5");
}

void expectUntouched(const GameCopy& game) {
    EXPECT_EQ(game.file("TRData.dat"), onlyPuzzle);
    EXPECT_FALSE(game.hasFile("OnLoad.dat"));
    EXPECT_EQ(game.file("TRStats.dat"), "120 3 2 40 1 5");
}

void expectEnded(GameCopy& game) {
    DWORD exitCode = 1;
    ASSERT_TRUE(game.waitForExit(exitCode, answerTimeout));
    EXPECT_EQ(exitCode, 0u);
}

void post(HWND window, UINT message, WPARAM wParam = 0) {
    PostMessageA(window, message, wParam, 0);
}

TEST(Closing, EveryWayOutOfTheMainWindowSavesAndEnds) {
    const std::pair<const char*, std::function<void(const GameCopy&)>> ways[] = {
        {"quit button", [](const GameCopy& game) { game.post(id::hQuitGame); }},
        {"close request", [](const GameCopy& game) { post(game.window(Window::Main), WM_CLOSE); }},
    };
    for (const auto& [way, end] : ways) {
        SCOPED_TRACE(way);
        GameCopy game;
        ASSERT_TRUE(game.start());
        winARound(game);
        expectUntouched(game);
        end(game);
        expectEnded(game);
        expectSaved(game);
    }
}

TEST(Closing, TheEndOfTheSessionSavesOnceOnly) {
    GameCopy game;
    ASSERT_TRUE(game.start());
    winARound(game);
    game.send(game.window(Window::Main), WM_ENDSESSION, TRUE);
    expectSaved(game);
    // A second save would scramble the purge notice into the store.
    post(game.window(Window::Main), WM_CLOSE);
    expectEnded(game);
    expectSaved(game);
}

TEST(Closing, ACancelledEndOfSessionSavesNothing) {
    GameCopy game;
    ASSERT_TRUE(game.start());
    winARound(game);
    game.send(game.window(Window::Main), WM_ENDSESSION, FALSE);
    EXPECT_TRUE(game.running());
    expectUntouched(game);
}

TEST(Closing, ClosingTheMessageWindowHidesItLikeItsOkButton) {
    GameCopy game;
    ASSERT_TRUE(game.start());
    game.click(Window::Main, {0, 0});
    ASSERT_TRUE(IsWindowVisible(game.window(Window::Message)));
    game.send(game.window(Window::Message), WM_CLOSE);
    EXPECT_FALSE(IsWindowVisible(game.window(Window::Message)));
    EXPECT_TRUE(game.running());
    expectUntouched(game);
}

} // namespace
} // namespace tallyrope::testing
