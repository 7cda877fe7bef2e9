// Text mode read through the reader's blocks: a line break or an end-of-file mark at a block's
// edge reads as it does anywhere else.
#include "storage/puzzle_file.h"
#include "storage/text_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallyrope {
namespace {

using testing::TempFolder;

constexpr std::size_t block = TextReader::blockSize;

std::string run(std::size_t count, char byte) {
    return std::string(count, byte);
}

struct BoundaryCase {
    const char* what;
    std::string bytes;
    std::string text;
};

const BoundaryCase boundaryCases[] = {
    {"CR ends a block, LF starts the next", run(block - 1, 'a') + "\r\nb",
     run(block - 1, 'a') + "\nb"},
    {"a lone CR ends a block", run(block - 1, 'a') + "\rb", run(block - 1, 'a') + "\rb"},
    {"a lone CR, then CR LF across the edge", run(block - 2, 'a') + "\r\r\nb",
     run(block - 2, 'a') + "\r\nb"},
    {"CR LF across the second edge, after a CR carried over the first",
     run(block - 1, 'a') + "\r\n" + run(block - 3, 'b') + "\r\nc",
     run(block - 1, 'a') + "\n" + run(block - 3, 'b') + "\nc"},
    {"0x1A starts a block", run(block, 'a') + "\x1Alost\r\n", run(block, 'a')},
    {"0x1A just after a block's last byte, a CR", run(block - 1, 'a') + "\r\x1Alost",
     run(block - 1, 'a') + "\r"},
    {"0x1A second in a block", run(block, 'a') + "b\x1Alost", run(block, 'a') + "b"},
    {"the file ends with a CR at a block's end", run(block - 1, 'a') + "\r",
     run(block - 1, 'a') + "\r"},
};

// The fields up to each line feed, as the reader gives them.
std::vector<std::string> linesRead(const std::string& path) {
    TextReader reader;
    EXPECT_TRUE(reader.open(path));
    std::vector<std::string> lines;
    std::string line;
    while (reader.readField(line, '\n') != FieldEnd::Failed) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

TEST(TextReaderBlocks, ALineBreakOrAnEndMarkAtABlockEdgeReadsAsAnywhereElse) {
    TempFolder folder;
    for (const BoundaryCase& c : boundaryCases) {
        folder.write("file", c.bytes);
        EXPECT_EQ(readTextFile(folder.path("file")), c.text) << c.what;

        TextReader reader;
        ASSERT_TRUE(reader.open(folder.path("file")));
        std::string field;
        EXPECT_EQ(reader.readField(field, '\0'), FieldEnd::EndOfFile) << c.what;
        EXPECT_TRUE(field == c.text) << c.what;

        EXPECT_EQ(linesRead(folder.path("file")), linesOf(c.text)) << c.what;
    }
}

TEST(TextReaderBlocks, AnEndMarkInAFullBlockHidesTheBlocksAfterIt) {
    TempFolder folder;
    folder.write("TRData.dat", "a;b:\x1A" + run(block + 10, 'x') + "c;d:");
    EXPECT_EQ(readTextFile(folder.path("TRData.dat")), "a;b:");
    EXPECT_EQ(countPuzzles(folder.path("TRData.dat")), 1);
}

TEST(TextReaderBlocks, ALoneCrDelimiterIsNotHalfOfALineBreak) {
    TempFolder folder;
    folder.write("file", run(block - 1, 'a') + "\r\nb\rc");
    TextReader reader;
    ASSERT_TRUE(reader.open(folder.path("file")));
    std::string field;
    EXPECT_EQ(reader.readField(field, '\r'), FieldEnd::Delimiter);
    EXPECT_TRUE(field == run(block - 1, 'a') + "\nb");
    EXPECT_EQ(reader.readField(field, '\r'), FieldEnd::EndOfFile);
    EXPECT_EQ(field, "c");
}

} // namespace
} // namespace tallyrope
