// Reading and writing the statistics file.
#include "test_support.h"

#include "app/routing.h"
#include "app/start_up.h"
#include "storage/stats_file.h"
#include "ui/control_ids.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tallyrope {
namespace {

using test::readBytes;
using test::TempFolder;
using test::writeBytes;

struct Read {
    const char* bytes;
    Stats expected;
};

Stats loaded(const std::string& bytes) {
    TempFolder folder;
    const std::string path = folder.prefix() + "TRStats.dat";
    writeBytes(path, bytes);
    Stats stats;
    loadScores(stats, path);
    return stats;
}

std::string counters(const Stats& s) {
    return s.pallone() + "," + s.pwinone() + "," + s.plosone() + "," + s.palltwo() + "," +
           s.pwintwo() + "," + s.plostwo();
}

TEST(StatisticsFile, ReadsUpToTheFirstBadFieldAndKeepsTheRest) {
    const Read cases[] = {
        {"110 1 0 0 0 0", {110, 1, 0, 0, 0, 0}},
        {"5 6 7", {5, 6, 7, 0, 0, 0}},
        {"1  2\r\n3\t4\n\n5 6 trailing words", {1, 2, 3, 4, 5, 6}},
        {"-20 1 -3 +4 5 6", {-20, 1, -3, 4, 5, 6}},
        {"010 007 0 0 0 0", {10, 7, 0, 0, 0, 0}},
        {"7 8 junk 9 9 9", {7, 8, 0, 0, 0, 0}},
        {"7 8x 9", {7, 8, 0, 0, 0, 0}},
        {"2147483647 -2147483648 2147483648 1 1 1", {2147483647, -2147483647 - 1, 0, 0, 0, 0}},
        {"1 -2147483649 1", {1, 0, 0, 0, 0, 0}},
        {"99999999999999999999 1", {0, 0, 0, 0, 0, 0}},
        {"", {0, 0, 0, 0, 0, 0}},
        {"1 2 3\x1A 4 5 6", {1, 2, 3, 0, 0, 0}},
    };
    for (const Read& c : cases) {
        EXPECT_EQ(counters(loaded(c.bytes)), counters(c.expected)) << '"' << c.bytes << '"';
    }
}

TEST(StatisticsFile, AMissingFileLeavesTheCountersAsTheyWere) {
    TempFolder folder;
    Stats stats{3, 2, 1, 0, 0, 0};
    loadScores(stats, folder.prefix() + "TRStats.dat");
    EXPECT_EQ(counters(stats), "3,2,1,0,0,0");
}

TEST(StatisticsFile, IsWrittenAsSixNumbersOneSpaceApartWithoutALineBreak) {
    TempFolder folder;
    const std::string path = folder.prefix() + "TRStats.dat";
    ASSERT_TRUE(saveScores(Stats{110, 1, 0, 0, 0, 0}, path));
    EXPECT_EQ(readBytes(path), "110 1 0 0 0 0");
    ASSERT_TRUE(saveScores(Stats{-20, 2147483647, 3, -2147483647 - 1, 0, 12}, path));
    EXPECT_EQ(readBytes(path), "-20 2147483647 3 -2147483648 0 12");
    Stats back;
    loadScores(back, path);
    EXPECT_EQ(counters(back), "-20,2147483647,3,-2147483648,0,12");
}

TEST(StatisticsFile, AFailedSaveLeavesTheOldFileWhole) {
    TempFolder folder;
    const std::string path = folder.prefix() + "TRStats.dat";
    std::filesystem::create_directory(path + ".tmp");
    writeBytes(path, "1 2 3 4 5 6");
    EXPECT_FALSE(saveScores(Stats{9, 9, 9, 9, 9, 9}, path));
    EXPECT_EQ(readBytes(path), "1 2 3 4 5 6");
}

TEST(StatisticsFile, StartUpShowsTheSavedScoresAndQuitSavesTheRun) {
    test::Table t;
    writeBytes(t.session.paths.ScoreFile, "30 1 2 0 0 5");
    showSavedScores(t.session);
    EXPECT_EQ(t.ui.text(id::hPOneScore), "30");
    EXPECT_EQ(t.ui.text(id::hPOneLose), "2");
    EXPECT_EQ(t.ui.text(id::hPTwoLose), "5");
    t.press(id::hResetStats);
    saveOnQuit(t.session);
    EXPECT_EQ(readBytes(t.session.paths.ScoreFile), "0 0 0 0 0 5");
}

TEST(StatisticsFile, AFirstQuitWithoutAFileCreatesItWithZeros) {
    test::Table t;
    showSavedScores(t.session);
    EXPECT_EQ(t.ui.text(id::hPTwoWins), "0");
    saveOnQuit(t.session);
    EXPECT_EQ(readBytes(t.session.paths.ScoreFile), "0 0 0 0 0 0");
}

} // namespace
} // namespace tallyrope
