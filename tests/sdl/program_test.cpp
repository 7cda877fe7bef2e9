// The Linux program driven through SDL events on the offscreen driver: a player's clicks, keys
// and close requests reach the rules and leave the same file bytes as the Windows program.
#include "sdl_game.h"

#include "frontends/sdl/windows.h"
#include "text/languages.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

namespace tallyrope {
namespace {

using test::SdlGame;

// "BIG TOP;Circus tent:" scrambled into the store.
const std::string storedPuzzle = "\x49\x4B\x50\x1D\x59\x59\x4B\x41\x41\x71\x79\x65\x7E\x70\x25"
                                 "\x7E\x60\x74\x72\x42";

TEST(SdlProgram, ARoundWonByClicksThenQuitSavesAsTheWindowsProgramDoes) {
    SdlGame game;
    game.clickControl(id::hNewGame);
    EXPECT_EQ(game.text(id::hPuzzler), " _ _ _   _ _ _");
    EXPECT_EQ(game.text(id::hGiveHint), "Circus tent");
    for (char letter : std::string("BIGTOP")) {
        game.clickControl(id::letterTile(letter - 'A'));
    }
    EXPECT_EQ(game.text(id::hPuzzler), " B I G   T O P");
    EXPECT_TRUE(game.visible(id::hPlayerWon));
    EXPECT_FALSE(game.clickControl(id::hQuitGame));
    EXPECT_EQ(game.file("TRData.dat"), "Data purged...");
    EXPECT_EQ(game.file("OnLoad.dat"), storedPuzzle);
    EXPECT_EQ(game.file("TRStats.dat"), "190 4 2 40 1 5");
}

// "s\xFC\xDF;Zucker:" (süß) scrambled: the German store of the Windows tests.
const std::string germanStore = "\x7A\xFE\xE8\x38\x5F\x7F\x5E\x71\x63\x7A\x41";

TEST(SdlProgram, AGermanRoundWonByKeysSavesAsTheWindowsProgramDoes) {
    SdlGame game("1", SDL_GetDisplayUsableBounds,
                 {{"TRLanguage.dat", "Language= de\r\n"}, {"OnLoad-de.dat", germanStore}});
    EXPECT_TRUE(game.visible(id::letterTile(tileIndex('\xDC'))));
    EXPECT_FALSE(game.visible(id::letterTile(tileIndex('\xD1'))));
    game.clickControl(id::hNewGame);
    EXPECT_EQ(game.text(id::hPuzzler), " _ _ _ _");
    EXPECT_EQ(game.text(id::hGiveHint), "Zucker");
    game.typeText("\xC3\x9F"); // ß, in UTF-8, guesses S
    EXPECT_EQ(game.text(id::hPuzzler), " S _ S S");
    game.typeText("\xC3\x9C"); // Ü
    EXPECT_TRUE(game.visible(id::hPlayerWon));
    EXPECT_FALSE(game.clickControl(id::hQuitGame));
    EXPECT_EQ(game.file("TRData-de.dat"), "Data purged...");
    EXPECT_EQ(game.file("OnLoad-de.dat"), germanStore);
    EXPECT_EQ(game.file("TRStats.dat"), "160 4 2 40 1 5");
    EXPECT_EQ(game.file("TRData.dat"), "BIG TOP;Circus tent:") << "the English puzzles untouched";
    EXPECT_EQ(game.file("OnLoad.dat"), "<missing>");
}

TEST(SdlProgram, TheSolveBoxTakesTypingAndItsEditingKeys) {
    SdlGame game;
    game.clickControl(id::hPlayerTwo);
    game.clickControl(id::hNewGame);
    game.clickControl(id::hSolveMe);
    game.typeText("big tip");
    game.key(SDLK_LEFT, KMOD_LSHIFT);
    game.key(SDLK_BACKSPACE);
    game.typeText("X");
    EXPECT_EQ(game.text(id::hSolveMe), "big tiX");
    game.clickControl(id::hPuzzled);
    EXPECT_EQ(game.text(id::hUsedBin), "# ");
    game.clickControl(id::hSolveMe);
    game.key(SDLK_a, KMOD_LCTRL);
    game.typeText("Big Top");
    game.clickControl(id::hPuzzled);
    EXPECT_TRUE(game.visible(id::hPlayerWon));
    game.closeWindow(Window::Main);
    EXPECT_EQ(game.file("TRStats.dat"), "120 3 2 100 2 5");
}

TEST(SdlProgram, LettersTypedAtTheMainWindowGuessAndEnterInTheSolveBoxSolves) {
    SdlGame game;
    game.clickControl(id::hNewGame);
    game.typeText("b");
    game.typeText("Iz");
    EXPECT_EQ(game.text(id::hPuzzler), " B I _   _ _ _");
    EXPECT_EQ(game.text(id::hUsedBin), "Z ");
    game.clickControl(id::hSolveMe);
    game.typeText("g"); // into the box, not a guess
    EXPECT_EQ(game.text(id::hUsedBin), "Z ");
    game.key(SDLK_a, KMOD_LCTRL);
    game.typeText("big top");
    game.key(SDLK_RETURN);
    EXPECT_TRUE(game.visible(id::hPlayerWon));
    EXPECT_EQ(game.frontEnd().ui.screen().focus.control, 0);
}

TEST(SdlProgram, TheCaretWakesTheIdleProgramOnlyWhileItsBoxIsOnView) {
    SdlGame game;
    SdlUi& ui = game.frontEnd().ui;
    game.clickControl(id::hNewGame);
    game.clickControl(id::hConsole);
    game.clickControl(id::hEditWord);
    const int blink = millisecondsToBlink(game.frontEnd());
    EXPECT_GT(blink, 0);
    EXPECT_LE(blink, 530);
    game.key(SDLK_F4, KMOD_LALT); // the console's close request, its box focused
    EXPECT_EQ(millisecondsToBlink(game.frontEnd()), -1);
    game.typeText("b"); // reaches the main window, as on Windows, not the hidden box
    EXPECT_EQ(game.text(id::hPuzzler), " B _ _   _ _ _");
    EXPECT_EQ(game.text(id::hEditWord), "");

    game.clickControl(id::hSolveMe);
    EXPECT_GT(millisecondsToBlink(game.frontEnd()), 0);
    SDL_Event window{};
    window.window.type = SDL_WINDOWEVENT;
    window.window.windowID = SDL_GetWindowID(ui.handle(Window::Main));
    window.window.event = SDL_WINDOWEVENT_MINIMIZED;
    game.push(window);
    EXPECT_EQ(millisecondsToBlink(game.frontEnd()), -1) << "blinks while minimized";
    window.window.event = SDL_WINDOWEVENT_RESTORED;
    game.push(window);
    EXPECT_GT(millisecondsToBlink(game.frontEnd()), 0);
}

TEST(SdlProgram, TypedTextReachesTheFilesAsWindows1252) {
    SdlGame game;
    game.clickControl(id::hConsole);
    game.clickControl(id::hEditWord);
    game.typeText("Café noir");
    game.typeText("日"); // no byte for it: refused
    game.clickControl(id::hEditHint);
    game.typeText("A drink");
    game.clickControl(id::hAddPuzzle);
    EXPECT_EQ(game.file("TRData.dat"), "BIG TOP;Circus tent:caf\xE9 noir;A drink:");
}

TEST(SdlProgram, TheConsolesBoxesStopAtTheirLimits) {
    SdlGame game;
    game.clickControl(id::hConsole);
    for (int box : {id::hEditWord, id::hEditHint}) {
        game.clickControl(box);
        for (int i = 0; i < 4; ++i) {
            game.typeText("abcdefghij");
        }
    }
    EXPECT_EQ(game.text(id::hEditWord), "abcdefghijabcdefghijabcdefghijabcdefgh");
    EXPECT_EQ(game.text(id::hEditHint), "abcdefghijabcdefghijabcdefghijabcd");
}

TEST(SdlProgram, CloseRequestsOfTheOtherWindowsDoNotEndTheRun) {
    SdlGame game;
    game.clickControl(id::hConsole);
    EXPECT_TRUE(game.closeWindow(Window::AddPuzzles));
    EXPECT_FALSE(game.frontEnd().ui.screen().windowShown[1]);
    game.click(Window::Main, {5, 5});
    EXPECT_TRUE(game.closeWindow(Window::Message));
    EXPECT_EQ(game.file("TRData.dat"), "BIG TOP;Circus tent:");
    // SIGTERM and the like arrive as SDL_QUIT.
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    EXPECT_FALSE(game.push(quit));
    EXPECT_EQ(game.file("OnLoad.dat"), storedPuzzle);
}

TEST(SdlProgram, WindowsShowTheirBitmapsAndTheButtonHeldDownShowsItsPressedFace) {
    SdlGame game;
    EXPECT_EQ(game.pixel(Window::Main, {3, 600}), test::bitmapPixel(48, {3, 600}));
    // The solve box's field.
    EXPECT_EQ(game.pixel(Window::Main, {470, 590}), 0xC0C0C0u);
    const Point inside{761 + 20, 329 + 8}; // New Puzzle
    const Point onFace{20, 8};
    EXPECT_EQ(game.pixel(Window::Main, inside), test::bitmapPixel(3450, onFace));
    game.pressOn(id::hNewGame);
    EXPECT_EQ(game.pixel(Window::Main, inside), test::bitmapPixel(3500, onFace));
    EXPECT_NE(test::bitmapPixel(3450, onFace), test::bitmapPixel(3500, onFace));
    game.releaseOn(id::hNewGame);
    EXPECT_EQ(game.pixel(Window::Main, inside), test::bitmapPixel(3450, onFace));
    EXPECT_EQ(game.text(id::hGiveHint), "Circus tent");
    game.clickControl(id::hConsole);
    EXPECT_EQ(game.pixel(Window::AddPuzzles, {300, 20}), test::bitmapPixel(100, {300, 20}));
    game.clickControl(id::hNoCon);
    game.click(Window::Main, {5, 5}); // the title strip shows the message window
    EXPECT_EQ(game.pixel(Window::Message, {20, 50}), test::bitmapPixel(1870, {20, 50}));
    EXPECT_EQ(game.pixel(Window::Message, {150, 70}), test::bitmapPixel(2300, {12, 6}));
}

} // namespace
} // namespace tallyrope
