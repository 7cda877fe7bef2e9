// Playing from the keyboard: letters, Enter in the three edit boxes and F1.
#include "test_support.h"

#include "app/routing.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

namespace tallyrope {
namespace {

using test::Table;

constexpr int hitSound = 4600, missSound = 4650, newRoundSound = 4700, clickSound = 4450;
constexpr char bigTop[] = "big top;Circus tent:";

int tileOf(char letter) {
    return id::letterTile(letter - 'A');
}

void typeLetters(Table& t, const std::string& letters) {
    for (char letter : letters) {
        letterKey(t.session, letter);
    }
}

TEST(LetterKeys, PlayAHitAMissAndAWinAsClicksInEitherCase) {
    Table t;
    t.puzzles(bigTop);
    t.newRound();
    typeLetters(t, "g");
    EXPECT_EQ(t.ui.text(id::hPuzzler), " _ _ G   _ _ _");
    EXPECT_FALSE(t.ui.visible(tileOf('G')));
    typeLetters(t, "A");
    EXPECT_EQ(t.ui.text(id::hUsedBin), "A ");
    EXPECT_EQ(t.stageShown(), 1);
    EXPECT_EQ(t.ui.sounds, (std::vector<int>{newRoundSound, hitSound, missSound}));

    typeLetters(t, "bItOp");
    EXPECT_EQ(t.ui.text(id::hPuzzler), " B I G   T O P");
    EXPECT_TRUE(t.ui.visible(id::hPlayerWon));
    EXPECT_EQ(t.ui.text(id::hPOneWins), "1");
    EXPECT_EQ(t.ui.text(id::hPOneScore), "60");
}

TEST(LetterKeys, DoNothingForAUsedLetterOtherCharactersBetweenRoundsOrWhileTheConsoleShows) {
    Table t;
    t.puzzles(bigTop);
    typeLetters(t, "Z");
    EXPECT_TRUE(t.ui.visible(tileOf('Z')));
    EXPECT_TRUE(t.ui.sounds.empty());

    t.newRound();
    typeLetters(t, "Zz@[`{1 \r");
    EXPECT_EQ(t.ui.text(id::hUsedBin), "Z ");
    EXPECT_EQ(t.stageShown(), 1);

    t.press(id::hConsole);
    typeLetters(t, "G");
    EXPECT_TRUE(t.ui.visible(tileOf('G')));
    t.press(id::hConsole);
    typeLetters(t, "G");
    EXPECT_FALSE(t.ui.visible(tileOf('G')));

    t.solve("big top");
    const std::vector<int> heard = t.ui.sounds;
    typeLetters(t, "X");
    EXPECT_TRUE(t.ui.visible(tileOf('X')));
    EXPECT_EQ(t.ui.sounds, heard);
}

TEST(EnterKey, InTheSolveBoxPressesSolvePuzzleAndHandsTheFocusBack) {
    Table t;
    t.puzzles(bigTop);
    t.newRound();
    t.ui.focusGiven = false;
    t.ui.type(Window::Main, id::hSolveMe, "big tip");
    enterKey(t.session, Window::Main, id::hSolveMe);
    EXPECT_EQ(t.ui.text(id::hUsedBin), "# ");
    EXPECT_TRUE(t.ui.focusGiven);
    // The same id in another window is not the solve box.
    t.ui.type(Window::Main, id::hSolveMe, "Big Top");
    enterKey(t.session, Window::AddPuzzles, id::hSolveMe);
    EXPECT_FALSE(t.ui.visible(id::hPlayerWon));
    enterKey(t.session, Window::Main, id::hSolveMe);
    EXPECT_TRUE(t.ui.visible(id::hPlayerWon));
}

TEST(EnterKey, InEitherConsoleBoxAddsThePuzzleAndLeavesTheFocusThere) {
    Table t;
    t.puzzles("");
    t.press(id::hConsole);
    t.ui.focusGiven = false;
    t.ui.type(Window::AddPuzzles, id::hEditWord, "Sun Rise");
    t.ui.type(Window::AddPuzzles, id::hEditHint, "Early");
    enterKey(t.session, Window::AddPuzzles, id::hEditWord);
    t.ui.type(Window::AddPuzzles, id::hEditWord, "Oak");
    enterKey(t.session, Window::AddPuzzles, id::hEditHint);
    EXPECT_EQ(test::readBytes(t.session.paths.WordsFile), "sun rise;Early:oak;no hint available:");
    EXPECT_EQ(t.ui.text(Window::AddPuzzles, id::hEditWord), "");
    EXPECT_FALSE(t.ui.focusGiven);
}

TEST(HelpKey, OpensTheGuideWithTheQuestionMarksClick) {
    Table t;
    helpKey(t.session);
    EXPECT_EQ(t.ui.helpOpened, std::vector<std::string>{t.session.paths.HelpFiler});
    EXPECT_EQ(t.ui.sounds, std::vector<int>{clickSound});
}

} // namespace
} // namespace tallyrope
