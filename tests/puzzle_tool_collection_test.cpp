#include "tools/puzzles/collection_source.h"

#include <gtest/gtest.h>

#include <string>

namespace tallyrope::puzzles {
namespace {

TEST(CollectionSource, BecomesLowerCasedRecordsInOrder) {
    const CompiledCollection collection = compileCollection("# Sayings\n"
                                                            "\n"
                                                            "Look Before You Leap\tThink first\n"
                                                            "   \t \n"
                                                            "#Not a puzzle\tat all\n"
                                                            "Too many cooks!\tCrowds, Ruin It",
                                                            "source.txt");
    EXPECT_EQ(collection.refusals, std::vector<std::string>{});
    EXPECT_EQ(collection.puzzles, 2u);
    EXPECT_EQ(collection.database,
              "look before you leap;Think first:too many cooks!;Crowds, Ruin It:");
}

TEST(CollectionSource, AnEmptySourceGivesAnEmptyDatabase) {
    const CompiledCollection collection = compileCollection("# nothing yet\n", "source.txt");
    EXPECT_EQ(collection.refusals, std::vector<std::string>{});
    EXPECT_EQ(collection.puzzles, 0u);
    EXPECT_EQ(collection.database, "");
}

TEST(CollectionSource, RefusesLinesThatBreakTheRulesByLine) {
    const CompiledCollection collection = compileCollection("good phrase\tgood hint\n"
                                                            "no tab here\n"
                                                            "two\ttabs\there\n"
                                                            "semi;colon\thint\n"
                                                            "Good Phrase!\tanother hint\n"
                                                            "fine again\thint: with colon\n"
                                                            "last one\tok\n",
                                                            "puzzles.txt");
    EXPECT_EQ(collection.refusals, (std::vector<std::string>{
                                       "puzzles.txt:2: no TAB between the phrase and the hint",
                                       "puzzles.txt:3: hint holds a TAB",
                                       "puzzles.txt:4: phrase holds \";\"",
                                       "puzzles.txt:5: same phrase as line 1",
                                       "puzzles.txt:6: hint holds \":\"",
                                   }));
    EXPECT_EQ(collection.puzzles, 2u);
}

} // namespace
} // namespace tallyrope::puzzles
