#include "storage/puzzle_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// A database over several of the reader's blocks, with a record that starts just where the
// second block does and a line break whose CR ends the second block.
class BlockSpanningDatabase {
  public:
    BlockSpanningDatabase() {
        constexpr std::size_t block = TextReader::blockSize;
        fillTo(block);
        startsSecondBlock = static_cast<std::int32_t>(expected.size());
        fillTo(2 * block - std::string("crlf;two").size() - 1);
        lineBreakAtEdge = static_cast<std::int32_t>(expected.size());
        add("crlf", "two\r\nlines", "two\nlines");
        fillTo(3 * block + 100);
    }

    std::string bytes;
    std::vector<Puzzle> expected; // as read
    std::int32_t startsSecondBlock = 0;
    std::int32_t lineBreakAtEdge = 0;

  private:
    void add(const std::string& phrase, const std::string& storedHint, const std::string& hint) {
        bytes += phrase + ";" + storedHint + ":";
        expected.push_back({phrase, hint});
    }

    // Records up to `end`, the last padded so that its ":" is the byte before `end`.
    void fillTo(std::size_t end) {
        while (bytes.size() + 30 < end) {
            const std::string number = std::to_string(expected.size());
            add("phrase " + number, "hint " + number, "hint " + number);
        }
        const std::string hint(end - bytes.size() - std::string("last;:").size(), 'h');
        add("last", hint, hint);
    }
};

void expectRecord(const std::optional<Puzzle>& read, const Puzzle& expected, std::int32_t index) {
    ASSERT_TRUE(read) << "record " << index;
    EXPECT_EQ(read->phrase, expected.phrase) << "record " << index;
    EXPECT_EQ(read->hint, expected.hint) << "record " << index;
}

TEST(PuzzleFileReader, CountsAndReadsRecordsAcrossBlocks) {
    const BlockSpanningDatabase database;
    TempFolder folder;
    folder.write("TRData.dat", database.bytes);
    const std::string path = folder.path("TRData.dat");
    const auto last = static_cast<std::int32_t>(database.expected.size() - 1);
    ASSERT_GT(last, 6000);
    ASSERT_EQ(database.bytes[TextReader::blockSize - 1], ':');
    ASSERT_EQ(database.bytes[2 * TextReader::blockSize - 1], '\r');

    PuzzleFileReader counted(path);
    EXPECT_EQ(counted.count(), last + 1);
    EXPECT_EQ(countPuzzles(path), last + 1);
    for (std::int32_t index : {0, 1, database.startsSecondBlock - 1, database.startsSecondBlock,
                               database.startsSecondBlock + 1, database.lineBreakAtEdge,
                               database.lineBreakAtEdge + 1, last, 1, 0}) {
        expectRecord(counted.read(index), database.expected[index], index);
        expectRecord(PuzzleFileReader(path).read(index), database.expected[index], index);
    }
    EXPECT_EQ(counted.read(last + 1), std::nullopt);
    EXPECT_EQ(PuzzleFileReader(path).read(last + 1), std::nullopt);
}

} // namespace
} // namespace tallyrope
