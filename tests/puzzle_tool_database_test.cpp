#include "tools/puzzles/database_check.h"
#include "tools/puzzles/database_text.h"

#include "storage/puzzle_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace tallyrope::puzzles {
namespace {

using testing::TempFolder;

// Databases whose records the tool must read exactly as the game does.
const char* const databases[] = {
    "",
    "one;first:two;second:",
    "a:colon in a phrase;hint:",
    "split;phrase;hint:next;fine:",
    "shifted;hi:nt:next;fine:after;fine:",
    "last;unclosed",
    "one;1:trailing bytes",
    ";:",
    "Data purged...",
};

TEST(DatabaseText, ReadsRecordsAsTheGameDoes) {
    TempFolder folder;
    for (const char* text : databases) {
        folder.write("TRData.dat", text);
        TextReader reader;
        ASSERT_TRUE(reader.open(folder.path("TRData.dat")));
        std::vector<Puzzle> game;
        Puzzle puzzle;
        while (readRecord(reader, puzzle) == FieldEnd::Delimiter) {
            game.push_back(puzzle);
        }

        const DatabaseText tool = splitDatabase(text);
        ASSERT_EQ(tool.records.size(), game.size()) << text;
        for (std::size_t i = 0; i < game.size(); ++i) {
            EXPECT_EQ(tool.records[i].puzzle.phrase, game[i].phrase) << text;
            EXPECT_EQ(tool.records[i].puzzle.hint, game[i].hint) << text;
        }
    }
}

TEST(DatabaseText, TellsClosedRecordsAndTrailingText) {
    const DatabaseText database = splitDatabase("one;1:two;2:three;3");
    ASSERT_EQ(database.records.size(), 3u);
    EXPECT_TRUE(database.records[1].closed);
    EXPECT_FALSE(database.records[2].closed);
    EXPECT_EQ(database.trailing, "");
    EXPECT_EQ(splitDatabase("one;1:left over").trailing, "left over");
}

TEST(DatabaseCheck, AGoodDatabaseHasNoProblems) {
    EXPECT_EQ(checkDatabase(""), std::vector<std::string>{});
    EXPECT_EQ(checkDatabase("look before you leap;Think first:too many cooks;Crowds ruin it:"),
              std::vector<std::string>{});
}

TEST(DatabaseCheck, ReportsWhatTheRulesForbid) {
    const struct {
        const char* database;
        std::vector<std::string> problems;
    } cases[] = {
        {"ok phrase;hint:x;hint:",
         {"record 2 \"x\": phrase is 1 characters, not 2 to 38",
          "record 2 \"x\": phrase has fewer than two letters"}},
        {"ok phrase;:", {"record 1 \"ok phrase\": hint is empty"}},
        {"split;phrase;hint:", {"record 1 \"split\": hint holds \";\""}},
        {"shifted;hi:nt:next;ok:", {"record 2 \"nt:next\": phrase holds \":\""}},
        {"ok phrase;hint:no close;hint", {"record 2 \"no close\": hint has no closing \":\""}},
        {"ok phrase;hint:junk", {"after the last record: \"junk\", which is no puzzle"}},
        {"Data purged...", {"after the last record: \"Data purged...\", which is no puzzle"}},
        {"look before you leap;one:Look Before You Leap!;two:",
         {"record 2 \"Look Before You Leap!\": same phrase as record 1"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkDatabase(c.database), c.problems) << c.database;
    }
}

} // namespace
} // namespace tallyrope::puzzles
