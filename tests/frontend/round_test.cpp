// A round played through the real windows: New Puzzle, the tiles, the solve box, Solution.
#include "game_copy.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

namespace tallyrope::testing {
namespace {

// The test folder holds one puzzle, so every New Puzzle draws "BIG TOP".
constexpr char masked[] = " _ _ _   _ _ _";
constexpr char revealed[] = " B I G   T O P";

int tileOf(char letter) {
    return id::letterTile(letter - 'A');
}

class Round : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(game.start());
        game.press(id::hNewGame);
    }

    void guess(const std::string& letters) {
        for (char letter : letters) {
            game.clickControl(tileOf(letter));
        }
    }

    GameCopy game;
};

TEST_F(Round, NewPuzzleShowsTheMaskedPhraseHintAndEmptyBin) {
    EXPECT_EQ(game.text(id::hPuzzler), masked);
    EXPECT_EQ(game.text(id::hDblDash), masked);
    EXPECT_EQ(game.text(id::hGiveHint), "Circus tent");
    EXPECT_EQ(game.text(id::hUsedBin), std::string(28, ' '));
}

TEST_F(Round, AHitRevealsTheLetterAndUsesTheTile) {
    guess("G");
    EXPECT_EQ(game.text(id::hPuzzler), " _ _ G   _ _ _");
    EXPECT_FALSE(game.visible(tileOf('G')));
    EXPECT_TRUE(game.visible(tileOf('B')));
    EXPECT_FALSE(game.visible(id::PopSix));
}

TEST_F(Round, MissesFillTheBinAndGrowTheFigure) {
    const std::pair<char, int> stages[] = {{'A', id::PopSix}, {'C', id::PopFiv}, {'D', id::PopFor},
                                           {'E', id::PopTre}, {'F', id::PopTwo}, {'H', id::PopOne}};
    std::string bin;
    for (const auto& [letter, part] : stages) {
        SCOPED_TRACE(letter);
        guess(std::string(1, letter));
        bin += std::string(1, letter) + " ";
        EXPECT_EQ(game.text(id::hUsedBin), bin);
        EXPECT_TRUE(game.visible(part));
    }
    EXPECT_FALSE(game.visible(id::PopZero));
}

TEST_F(Round, TheSeventhMissLosesAndSolutionRevealsThePhraseOnce) {
    guess("ACDEFHJ");
    EXPECT_TRUE(game.visible(id::PopZero));
    for (int part : {id::PopOne, id::PopTwo, id::PopTre, id::PopFor, id::PopFiv, id::PopSix}) {
        EXPECT_FALSE(game.visible(part)) << part;
    }
    EXPECT_EQ(game.text(id::hPOneLose), "3");
    EXPECT_EQ(game.text(id::hPTwoLose), "5");
    game.press(id::hShowWord);
    EXPECT_EQ(game.text(id::hPuzzler), revealed);
    // Clicks after the loss take no guesses.
    guess("B");
    EXPECT_TRUE(game.visible(tileOf('B')));
}

TEST_F(Round, FindingEveryLetterWinsAndScoresThePlayer) {
    guess("BIGTOP");
    EXPECT_EQ(game.text(id::hPuzzler), revealed);
    EXPECT_TRUE(game.visible(id::hPlayerWon));
    EXPECT_TRUE(game.visible(id::hCawWord));
    EXPECT_EQ(game.text(id::hPOneWins), "4");
    EXPECT_EQ(game.text(id::hPOneScore), "190");
    EXPECT_EQ(game.text(id::hPTwoScore), "40");
    game.press(id::hNewGame);
    EXPECT_FALSE(game.visible(id::hPlayerWon));
    EXPECT_FALSE(game.visible(id::hCawWord));
    EXPECT_TRUE(game.visible(tileOf('B')));
}

TEST_F(Round, TheSolveBoxWinsForTheSecondPlayerAndCountsAWrongAttempt) {
    game.press(id::hPlayerTwo);
    game.type(id::hSolveMe, "big tip");
    game.press(id::hPuzzled);
    EXPECT_EQ(game.text(id::hUsedBin), "# ");
    EXPECT_TRUE(game.visible(id::PopSix));
    game.type(id::hSolveMe, "Big Top");
    game.press(id::hPuzzled);
    EXPECT_TRUE(game.visible(id::hPlayerWon));
    EXPECT_EQ(game.text(id::hPTwoWins), "2");
    EXPECT_EQ(game.text(id::hPTwoScore), "100");
    EXPECT_EQ(game.text(id::hPOneScore), "120");
}

TEST_F(Round, HardSkillStartsWithHeadAndTorsoAndShowsFive) {
    game.press(id::hSkillCntl);
    EXPECT_EQ(game.text(id::hPlySmarts), "5");
    EXPECT_TRUE(game.visible(id::PopSix));
    EXPECT_TRUE(game.visible(id::PopFiv));
    guess("ACDEF");
    EXPECT_TRUE(game.visible(id::PopZero));
}

} // namespace
} // namespace tallyrope::testing
