#include "tools/puzzles/puzzle_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tallyrope::puzzles {
namespace {

const std::string longest(38, 'a');
const std::string longestHintText(34, 'h');

TEST(PuzzleRules, PuzzlesThatKeepThemAll) {
    const Puzzle kept[] = {
        {"ab", "h"},
        {longest, longestHintText},
        {"Rock 'n' roll, 24-7 & more?! Yes.", "Hint with (brackets) & \"quotes\""},
        {"a stitch in time", "Fix small problems early"},
    };
    for (const Puzzle& puzzle : kept) {
        EXPECT_EQ(ruleBreaks(puzzle), std::vector<std::string>{}) << puzzle.phrase;
    }
}

TEST(PuzzleRules, EachBrokenRuleIsNamed) {
    const struct {
        Puzzle puzzle;
        std::string message;
    } cases[] = {
        {{"a", "h"}, "phrase is 1 characters, not 2 to 38"},
        {{longest + "b", "h"}, "phrase is 39 characters, not 2 to 38"},
        {{"split;phrase", "h"}, "phrase holds \";\""},
        {{"half:phrase", "h"}, "phrase holds \":\""},
        {{"tab\tphrase", "h"}, "phrase holds a TAB"},
        {{"caf\xE9 au lait", "h"}, "phrase holds byte 0xE9"},
        {{"a1", "h"}, "phrase has fewer than two letters"},
        {{"42 + 7", "h"}, "phrase has fewer than two letters"},
        {{" leading", "h"}, "phrase starts or ends with a space"},
        {{"trailing ", "h"}, "phrase starts or ends with a space"},
        {{"two  spaces", "h"}, "phrase holds two spaces in a row"},
        {{"phrase", ""}, "hint is empty"},
        {{"phrase", longestHintText + "!"}, "hint is 35 characters, more than 34"},
        {{"phrase", "time: now"}, "hint holds \":\""},
        {{"phrase", "rest of;a split phrase"}, "hint holds \";\""},
        {{"phrase", "line\rbreak"}, "hint holds byte 0x0D"},
        {{"phrase", "hint "}, "hint starts or ends with a space"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> breaks = ruleBreaks(c.puzzle);
        EXPECT_NE(std::find(breaks.begin(), breaks.end(), c.message), breaks.end())
            << c.puzzle.phrase << " / " << c.puzzle.hint << ": expected " << c.message;
    }
}

// Every letter of a phrase has a tile of its language or folds onto one.
TEST(PuzzleRules, APhraseHoldsOnlyItsLanguagesLettersAndMarks) {
    const Language& spanish = *findLanguage("es");
    const Language& german = *findLanguage("de");
    EXPECT_EQ(ruleBreaks({"\xBFqui\xE9n es el ni\xF1o?", "\xA1" "Adivina!"}, spanish),
              std::vector<std::string>{});
    EXPECT_EQ(ruleBreaks({"sm\xF8rrebr\xF8"
                          "d",
                          "h"},
                         spanish),
              std::vector<std::string>{"phrase holds byte 0xF8"});
    EXPECT_EQ(ruleBreaks({"\xBF"
                          "qui\xE9n?",
                          "h"},
                         *findLanguage("fr")),
              std::vector<std::string>{"phrase holds byte 0xBF"});
    EXPECT_EQ(ruleBreaks({"\xFC"
                          "ber " +
                              std::string(33, 's'),
                          "Gru\xDF"},
                         german),
              std::vector<std::string>{})
        << "38 bytes, 38 capitals";
    EXPECT_EQ(ruleBreaks({"stra\xDF"
                          "e " +
                              std::string(31, 's'),
                          "h"},
                         german),
              std::vector<std::string>{"phrase is 39 characters in capitals, more than 38"});
    EXPECT_EQ(duplicateKey("\xC9t\xE9", *findLanguage("fr")),
              duplicateKey("ete", *findLanguage("fr")));
}

TEST(PuzzleRules, DuplicatesIgnoreCaseAndPunctuation) {
    EXPECT_EQ(duplicateKey("Look before you leap!"), duplicateKey("look BEFORE you leap"));
    EXPECT_EQ(duplicateKey("Rock 'n' roll"), duplicateKey("rock n roll"));
    EXPECT_NE(duplicateKey("hot dog"), duplicateKey("hotdog"));
    EXPECT_NE(duplicateKey("look before you leap"), duplicateKey("look before you sleep"));
}

TEST(PuzzleRules, QuotingShowsBytesThatWouldNotShow) {
    EXPECT_EQ(quoted("plain text"), "\"plain text\"");
    EXPECT_EQ(quoted("a\tb\xFF"), "\"a\\x09b\\xFF\"");
}

} // namespace
} // namespace tallyrope::puzzles
