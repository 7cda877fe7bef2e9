#include "storage/puzzle_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace tallyrope {
namespace {

using testing::TempFolder;

TEST(Rewrite, TheFileBecomesTheRecordsGiven) {
    TempFolder folder;
    folder.write("TRData.dat", "one;1:two;2:three;3:");
    ASSERT_TRUE(rewritePuzzles(folder.path("TRData.dat"), "one;1:three;3:"));
    EXPECT_EQ(folder.read("TRData.dat"), "one;1:three;3:");
    EXPECT_EQ(countPuzzles(folder.path("TRData.dat")), 2);
    EXPECT_EQ(folder.names(), std::set<std::string>{"TRData.dat"});
}

TEST(Rewrite, DeletingTheOnlyRecordLeavesAnEmptyFile) {
    TempFolder folder;
    folder.write("TRData.dat", "only;one:");
    ASSERT_TRUE(rewritePuzzles(folder.path("TRData.dat"), ""));
    EXPECT_EQ(folder.read("TRData.dat"), "");
}

TEST(Rewrite, AFailedWriteReportsItAndChangesNothing) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path("TRData.dat"));
    EXPECT_FALSE(rewritePuzzles(folder.path("TRData.dat"), "one;1:"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path("TRData.dat")));
    EXPECT_FALSE(rewritePuzzles(folder.path("missing/TRData.dat"), "one;1:"));
    EXPECT_EQ(folder.names(), std::set<std::string>{"TRData.dat"});
}

} // namespace
} // namespace tallyrope
