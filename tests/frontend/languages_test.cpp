// Rounds in German and Spanish through the real windows: the language's tiles on the ledge, a
// round won by clicks, and the files it leaves, the same bytes as the Linux program and the page
// leave for the same play. Texts are Windows-1252 bytes: \xDC is Ü, \xD1 Ñ.
#include "frontends/win32/win32_ui.h"
#include "game_copy.h"
#include "screen_pixels.h"
#include "text/languages.h"
#include "ui/control_ids.h"
#include "ui/control_table.h"
#include "waiting.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tallyrope::testing {
namespace {

// "s\xFC\xDF;Zucker:" (süß) and "ni\xF1o;Chico:" (niño) scrambled into their stores.
const std::string germanStore = "\x7A\xFE\xE8\x38\x5F\x7F\x5E\x71\x63\x7A\x41";
const std::string spanishStore = "\x75\x6B\xFA\x6C\x40\x4D\x63\x6F\x61\x77\x41";
// "BIG TOP;Circus tent:" scrambled.
const std::string englishStore = "\x49\x4B\x50\x1D\x59\x59\x4B\x41\x41\x71\x79\x65\x7E\x70\x25"
                                 "\x7E\x60\x74\x72\x42";

int tileOf(char letter) {
    return id::letterTile(tileIndex(letter));
}

TEST(Languages, AGermanRoundWonByClicksLeavesTheLinuxProgramsBytes) {
    Files files = usualFiles();
    files["TRLanguage.dat"] = "Language= de\r\n";
    files["OnLoad-de.dat"] = germanStore;
    GameCopy game(files);
    ASSERT_TRUE(game.start());
    const ProgramBitmaps program(game);
    for (char tile : {'\xC4', '\xD6', '\xDC'}) {
        const int id = tileOf(tile);
        EXPECT_TRUE(game.visible(id)) << tile;
        const Pixels face = program.bitmap(findControl(id)->bitmap);
        EXPECT_TRUE(waitUntil([&] {
            return screenPixels(game.screenRect(game.control(id))) == face;
        })) << "the tile of "
            << tile << " shows its own bitmap";
    }
    EXPECT_FALSE(game.visible(tileOf('\xD1')));
    game.press(id::hNewGame);
    EXPECT_EQ(game.text(id::hPuzzler), " _ _ _ _");
    game.clickControl(tileOf('S'));
    EXPECT_EQ(game.text(id::hPuzzler), " S _ S S");
    game.clickControl(tileOf('\xDC'));
    EXPECT_EQ(game.text(id::hPuzzler), " S \xDC S S");
    EXPECT_FALSE(game.visible(tileOf('\xDC')));
    EXPECT_TRUE(game.visible(id::hPlayerWon));
    // The bubble's picture has no words: the program writes GEWONNEN! in its red ink.
    EXPECT_TRUE(waitUntil([&] {
        const Pixels bubble = screenPixels(game.screenRect(game.control(id::hPlayerWon)));
        return std::count(bubble.colours.begin(), bubble.colours.end(), 0x8C261Eu) > 20;
    }));
    game.press(id::hQuitGame);
    DWORD exitCode = 1;
    ASSERT_TRUE(game.waitForExit(exitCode, 10000));
    EXPECT_EQ(game.file("TRData-de.dat"), "Data purged...");
    EXPECT_EQ(game.file("OnLoad-de.dat"), germanStore);
    EXPECT_EQ(game.file("TRStats.dat"), "160 4 2 40 1 5");
    EXPECT_EQ(game.file("TRData.dat"), onlyPuzzle) << "the English puzzles untouched";
    EXPECT_FALSE(game.hasFile("OnLoad.dat"));
}

// The language menu's choice arrives as its command; ñ typed reaches the window as a character.
TEST(Languages, SpanishChosenFromTheMenuKeepsTheScoresAndEachLanguagesPuzzles) {
    Files files = usualFiles();
    files["OnLoad-es.dat"] = spanishStore;
    GameCopy game(files);
    ASSERT_TRUE(game.start());
    EXPECT_FALSE(game.visible(tileOf('\xD1')));
    EXPECT_EQ(game.text(id::hNewGame), "New Puzzle");
    // The used letters' caption, once it is written, and New Puzzle's face.
    const RECT main = game.screenRect(game.window(Window::Main));
    const auto usedCaption = [&] {
        return screenPixels({main.left + 654, main.top + 336, main.left + 742, main.top + 350});
    };
    const auto face = [&] { return screenPixels(game.screenRect(game.control(id::hNewGame))); };
    ASSERT_TRUE(waitUntil([&] {
        const Pixels shown = usedCaption();
        return std::count(shown.colours.begin(), shown.colours.end(), 0x2B1D12u) > 20;
    }));
    const Pixels usedInEnglish = usedCaption();
    const Pixels faceInEnglish = face();
    const int spanish = languageIndex(*findLanguage("es"));
    game.send(game.window(Window::Main), WM_COMMAND, firstLanguageCommand + spanish);
    // The pictures' captions are written again in Spanish at once.
    EXPECT_TRUE(
        waitUntil([&] { return !(usedCaption() == usedInEnglish) && !(face() == faceInEnglish); }));
    EXPECT_EQ(game.text(id::hPuzzler), " _ _ _ _") << "a round in Spanish at once";
    // What a screen reader calls the buttons follows at once.
    EXPECT_EQ(game.text(id::hNewGame), "Nuevo acertijo");
    EXPECT_EQ(game.text(id::hAudioCntl), "Sonido activado");
    EXPECT_EQ(game.text(id::hGiveHint), "Chico");
    EXPECT_TRUE(game.visible(tileOf('\xD1')));
    EXPECT_EQ(game.text(id::hPOneScore), "120");
    game.clickControl(tileOf('N'));
    EXPECT_EQ(game.text(id::hPuzzler), " N _ _ _");
    game.send(game.window(Window::Main), WM_CHAR, 0xF1);
    EXPECT_EQ(game.text(id::hPuzzler), " N _ \xD1 _");
    game.clickControl(tileOf('I'));
    game.clickControl(tileOf('O'));
    EXPECT_TRUE(game.visible(id::hPlayerWon));
    game.press(id::hQuitGame);
    DWORD exitCode = 1;
    ASSERT_TRUE(game.waitForExit(exitCode, 10000));
    EXPECT_EQ(game.file("TRLanguage.dat"), "Language= es\r\n");
    EXPECT_EQ(game.file("TRData-es.dat"), "Data purged...");
    EXPECT_EQ(game.file("OnLoad-es.dat"), spanishStore);
    EXPECT_EQ(game.file("TRData.dat"), "Data purged...");
    EXPECT_EQ(game.file("OnLoad.dat"), englishStore);
    EXPECT_EQ(game.file("TRStats.dat"), "160 4 2 40 1 5");
}

} // namespace
} // namespace tallyrope::testing
