// Rounds played through the commands and clicks a front end hands over.
#include "test_support.h"

#include "app/routing.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

namespace tallyrope {
namespace {

using test::Table;

constexpr int hitSound = 4600, missSound = 4650, newRoundSound = 4700, winSound = 5650,
              lossSound = 5700, clickSound = 4450;

class Round : public ::testing::Test {
  protected:
    void start(const std::string& records, int index = 0) {
        t.puzzles(records);
        t.newRound(index);
    }
    std::string shown() const { return t.ui.text(id::hPuzzler); }

    Table t;
};

TEST_F(Round, NewGameShowsTheMaskedPhraseTheHintAndAnEmptyBin) {
    start("sun rise;Early morning:");
    EXPECT_EQ(t.game.gameRunning, 1);
    EXPECT_EQ(shown(), " _ _ _   _ _ _ _");
    EXPECT_EQ(t.ui.text(id::hDblDash), " _ _ _   _ _ _ _");
    EXPECT_EQ(t.ui.text(id::hGiveHint), "Early morning");
    EXPECT_EQ(t.ui.text(id::hUsedBin), std::string(28, ' '));
    EXPECT_EQ(t.ui.sounds, std::vector<int>{newRoundSound});
    EXPECT_EQ(t.ui.focus, Window::Main);
}

TEST_F(Round, ALetterIsRevealedEverywhereByOneClick) {
    start("banana;Yellow fruit:");
    t.click('A');
    EXPECT_EQ(shown(), " _ A _ A _ A");
    EXPECT_EQ(t.ui.text(id::hDblDash), " _ _ _ _ _ _") << "the second line keeps the blanks";
    EXPECT_FALSE(t.ui.visible(id::letterTile(0)));
    EXPECT_EQ(t.ui.sounds.back(), hitSound);
    EXPECT_EQ(std::count(t.ui.sounds.begin(), t.ui.sounds.end(), hitSound), 1);
    EXPECT_EQ(t.game.numwrong, 0);
    EXPECT_EQ(t.stageShown(), 0);
}

TEST_F(Round, AMissGoesToTheBinAndGrowsTheFigure) {
    start("banana;Yellow fruit:");
    t.click('E');
    t.click('T');
    EXPECT_EQ(t.ui.text(id::hUsedBin), "E T ");
    EXPECT_EQ(t.game.numwrong, 2);
    EXPECT_EQ(t.game.nowrongs, 2);
    EXPECT_EQ(t.stageShown(), 2);
    EXPECT_EQ(t.ui.sounds.back(), missSound);
}

TEST_F(Round, AUsedTileOrAClickBesideTheTilesChangesNothing) {
    start("banana;Yellow fruit:");
    t.click('E');
    t.click('E');
    leftButtonDown(t.session, Window::Main, {5, 300});
    EXPECT_EQ(t.game.numwrong, 1);
    EXPECT_EQ(t.ui.text(id::hUsedBin), "E ");
}

TEST_F(Round, TheSeventhMissCompletesTheFigureAndLoses) {
    start("banana;Yellow fruit:");
    for (char letter : std::string("CDEFGH")) {
        t.click(letter);
    }
    EXPECT_EQ(t.stageShown(), 6);
    EXPECT_EQ(t.game.gameRunning, 1);
    t.click('I');
    EXPECT_EQ(t.game.gameRunning, 0);
    EXPECT_TRUE(t.ui.visible(id::PopZero));
    for (int part : {id::PopOne, id::PopTwo, id::PopTre, id::PopFor, id::PopFiv, id::PopSix}) {
        EXPECT_FALSE(t.ui.visible(part)) << part;
    }
    EXPECT_EQ(t.ui.sounds.back(), lossSound);
    EXPECT_EQ(t.stats.plossone, 1);
    EXPECT_EQ(t.ui.text(id::hPOneLose), "1");
    EXPECT_EQ(t.ui.text(id::hPTwoLose), "0");
    t.click('J');
    EXPECT_EQ(t.ui.text(id::hUsedBin), "C D E F G H I ") << "no guesses after the loss";
}

TEST_F(Round, FindingEveryLetterWinsAndScoresTheLengthLessTheMisses) {
    start("it's a go;Off we go:");
    for (char letter : std::string("ITXSAGO")) {
        t.click(letter);
    }
    EXPECT_EQ(t.game.gameRunning, 0);
    EXPECT_EQ(shown(), " I T ' S   A   G O");
    EXPECT_TRUE(t.ui.visible(id::hPlayerWon));
    EXPECT_TRUE(t.ui.visible(id::hCawWord));
    EXPECT_EQ(t.ui.sounds.back(), winSound);
    EXPECT_EQ(t.stats.pscoreone, 80) << "9 bytes less 1 miss, times 10";
    EXPECT_EQ(t.ui.text(id::hPOneScore), "80");
    EXPECT_EQ(t.ui.text(id::hPOneWins), "1");
    EXPECT_EQ(t.ui.text(id::hPTwoScore), "0");
}

TEST_F(Round, EveryTileTakesItsLetterAndTheLastOneWins) {
    start("abcdefghijklm nopqrstuvwxyz;Every letter:");
    for (char letter = 'A'; letter < 'Z'; ++letter) {
        t.click(letter);
    }
    EXPECT_EQ(shown(), " A B C D E F G H I J K L M   N O P Q R S T U V W X Y _");
    EXPECT_EQ(t.game.gameRunning, 1);
    t.click('Z');
    EXPECT_EQ(t.game.gameRunning, 0);
    EXPECT_EQ(t.game.numwrong, 0);
    EXPECT_EQ(t.stats.pscoreone, 270);
}

TEST_F(Round, APhraseWithoutLettersIsWonByTheFirstClickAfterItsMiss) {
    start("1999;A year:");
    t.click('A');
    EXPECT_EQ(t.game.numwrong, 1);
    EXPECT_TRUE(t.ui.visible(id::PopSix));
    EXPECT_EQ(t.game.gameRunning, 0);
    EXPECT_EQ(t.stats.pscoreone, 30);
}

TEST_F(Round, HardSkillStartsWithHeadAndTorsoAndTheFifthMissLoses) {
    start("banana;Yellow fruit:");
    t.press(id::hSkillCntl);
    t.newRound();
    EXPECT_EQ(t.game.numwrong, 2);
    EXPECT_EQ(t.stageShown(), 2);
    EXPECT_EQ(t.ui.text(id::hPlySmarts), "5");
    for (char letter : std::string("CDEF")) {
        t.click(letter);
    }
    EXPECT_EQ(t.stageShown(), 6);
    t.solve("bananas");
    EXPECT_EQ(t.game.gameRunning, 0);
    EXPECT_EQ(t.stats.plossone, 1);
}

TEST_F(Round, ARightSolveWinsWhateverTheCaseOfTheLetters) {
    start("it's a go;Off we go:");
    t.solve("It'S a GO");
    EXPECT_EQ(t.game.gameRunning, 0);
    EXPECT_EQ(t.stats.pscoreone, 90);
    EXPECT_EQ(t.ui.sounds.back(), winSound);
    EXPECT_EQ(t.ui.text(Window::Main, id::hSolveMe), "It'S a GO") << "the box keeps its text";
}

TEST_F(Round, AnAttemptWithOtherSpacingOrPunctuationIsAMiss) {
    start("it's a go;Off we go:");
    t.click('E');
    t.click('X');
    t.solve("its a go");
    t.solve("it's  a go");
    EXPECT_EQ(t.ui.text(id::hUsedBin), "E X # # ");
    EXPECT_EQ(t.game.numwrong, 4);
    EXPECT_EQ(t.stageShown(), 4);
    EXPECT_EQ(t.game.gameRunning, 1);
}

TEST_F(Round, AnEmptySolveBoxOnlyClicks) {
    start("banana;Yellow fruit:");
    t.ui.sounds.clear();
    t.solve("");
    EXPECT_EQ(t.ui.sounds, std::vector<int>{clickSound});
    EXPECT_EQ(t.game.numwrong, 0);
}

TEST_F(Round, ClicksInTheOtherWindowsTakeNoGuess) {
    start("banana;Yellow fruit:");
    const Point overTileA = t.ui.middleOf(id::letterTile(0));
    leftButtonDown(t.session, Window::AddPuzzles, overTileA);
    leftButtonDown(t.session, Window::Message, overTileA);
    EXPECT_EQ(t.game.KillLet[0], 0);
    EXPECT_TRUE(t.ui.visible(id::letterTile(0)));
    EXPECT_EQ(shown(), " _ _ _ _ _ _");
}

TEST_F(Round, NewGameAbandonsARoundWithoutALossAndResetsTheTable) {
    start("banana;Yellow fruit:");
    t.click('B');
    t.click('E');
    t.ui.type(Window::Main, id::hSolveMe, "x");
    t.newRound();
    EXPECT_EQ(t.stats.plossone, 0);
    EXPECT_EQ(t.game.numwrong, 0);
    EXPECT_TRUE(t.ui.visible(id::letterTile(1)));
    EXPECT_EQ(t.stageShown(), 0);
    EXPECT_EQ(t.game.usedletters, "");
    EXPECT_EQ(t.ui.text(Window::Main, id::hSolveMe), "") << "even one character is cleared";
}

TEST_F(Round, ANewRoundHidesTheWinPictures) {
    start("go;Move:");
    t.solve("GO");
    t.newRound();
    EXPECT_FALSE(t.ui.visible(id::hPlayerWon));
    EXPECT_FALSE(t.ui.visible(id::hCawWord));
}

TEST_F(Round, SoundsOffSilencesTheRoundButNotTheClicks) {
    start("banana;Yellow fruit:");
    t.press(id::hAudioCntl);
    t.ui.sounds.clear();
    t.newRound();
    t.click('A');
    t.click('E');
    t.solve("banana");
    EXPECT_EQ(t.ui.sounds, std::vector<int>{clickSound}) << "only Solve Puzzle's click";
    t.press(id::hAudioCntl);
    t.newRound();
    EXPECT_EQ(t.ui.sounds.back(), newRoundSound);
}

} // namespace
} // namespace tallyrope
