#include "game/masking.h"
#include "text/latin_case.h"

#include <gtest/gtest.h>

namespace tallyrope {
namespace {

// Writes a space as a middle dot so that expectations can be read.
std::string dots(std::string text) {
    std::string shown;
    for (char c : text) {
        shown += c == ' ' ? std::string("\xC2\xB7") : std::string(1, c);
    }
    return shown;
}

Game masked(const std::string& phrase, const std::string& hint = "a hint") {
    Game game;
    buildRoundStrings(game, english(), phrase, hint);
    return game;
}

TEST(Masking, SpacesEveryByteAndHidesOnlyLetters) {
    const Game g = masked("it's 2 go", "Off We Go");
    EXPECT_EQ(g.solveword, "IT'S 2 GO");
    EXPECT_EQ(dots(g.displayword), dots(" I T ' S   2   G O"));
    EXPECT_EQ(dots(g.buildword), dots(" * * ' *   2   * *"));
    EXPECT_EQ(dots(g.showdashes), dots(" _ _ ' _   2   _ _"));
    EXPECT_EQ(g.answer, g.displayword);
    EXPECT_EQ(g.doubledash, g.showdashes);
    EXPECT_EQ(g.grabhint, "Off We Go") << "the hint keeps its case";
    EXPECT_EQ(g.displayword.size(), 18u);
}

TEST(Masking, HidesEveryLetterInEitherCase) {
    const Game g = masked("abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    std::string dashes, stars;
    for (int i = 0; i < 26; ++i) {
        dashes += " _";
        stars += " *";
    }
    EXPECT_EQ(g.showdashes, dashes + "  " + dashes);
    EXPECT_EQ(g.buildword, stars + "  " + stars);
}

TEST(Masking, ASpaceOfThePhraseBecomesTwoAndWordsAreThreeApart) {
    EXPECT_EQ(masked("IT IS").displayword, " I T   I S");
}

TEST(Masking, APhraseWithoutLettersIsWonFromTheStart) {
    const Game g = masked("1999");
    EXPECT_EQ(g.showdashes, " 1 9 9 9");
    EXPECT_EQ(g.answer, g.buildword);
}

TEST(Masking, MaskCharactersInThePhraseStayVisibleAndDoNotBlockTheWin) {
    const Game g = masked("a*b_c#");
    EXPECT_EQ(g.showdashes, " _ * _ _ _ #");
    EXPECT_EQ(g.buildword, " * * * _ * #");
    EXPECT_NE(g.answer, g.buildword);
}

TEST(Masking, BytesAbove127AreNeitherUpperCasedNorHidden) {
    const Game g = masked("caf\xE9 \xFF");
    EXPECT_EQ(g.solveword, "CAF\xE9 \xFF");
    EXPECT_EQ(g.showdashes, " _ _ _ \xE9   \xFF");
}

TEST(Masking, AnEmptyPhraseGivesEmptyStrings) {
    const Game g = masked("", "");
    for (const std::string* text :
         {&g.solveword, &g.displayword, &g.answer, &g.buildword, &g.showdashes, &g.doubledash}) {
        EXPECT_TRUE(text->empty());
    }
}

TEST(ReplaceAll, NeverSearchesTheTextItBroughtIn) {
    std::string text = "BANANA";
    EXPECT_EQ(replaceAll(text, "A", "AA"), "BAANAANAA");
    text = "aaa";
    EXPECT_EQ(replaceAll(text, "aa", "b"), "ba");
}

TEST(FindChar, ReportsThePositionAndSetsFound) {
    std::int32_t found = -1;
    EXPECT_EQ(FindChar(" A B A", "A", found), 1u);
    EXPECT_EQ(found, 1);
    EXPECT_EQ(FindChar(" A B A", "C", found), std::string::npos);
    EXPECT_EQ(found, 0);
}

TEST(CaseChange, TouchesOnlyTheLatinLetters) {
    EXPECT_EQ(upperCase("az AZ 09 {}\xE0"), "AZ AZ 09 {}\xE0");
    EXPECT_EQ(lowerCase("Sun Rise! @[\xC0"), "sun rise! @[\xC0");
}

} // namespace
} // namespace tallyrope
