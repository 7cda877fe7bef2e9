#include "storage/text_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace tallyrope {
namespace {

using testing::TempFolder;
using namespace std::string_literals;

struct ReadCase {
    const char* what;
    std::string bytes;
    std::string text;
};

const ReadCase readCases[] = {
    {"CR LF becomes a line feed", "one\r\ntwo\r\n", "one\ntwo\n"},
    {"a lone line feed stays", "one\ntwo", "one\ntwo"},
    {"a lone CR stays", "one\rtwo\r", "one\rtwo\r"},
    {"only the CR before the LF goes", "a\r\r\nb", "a\r\nb"},
    {"0x1A ends the text", "kept\x1Alost\r\n", "kept"},
    {"0x1A straight after a CR", "kept\r\x1Alost", "kept\r"},
    {"0x1A first gives nothing",
     "\x1A"
     "everything",
     ""},
    {"every other byte passes", "\t\x01\x7F\x80\xFF ;:", "\t\x01\x7F\x80\xFF ;:"},
};

TEST(TextMode, ReadsBytesAsTextInFieldReadsAndWholeFileReads) {
    TempFolder folder;
    for (const ReadCase& c : readCases) {
        folder.write("file", c.bytes);
        TextReader reader;
        ASSERT_TRUE(reader.open(folder.path("file")));
        std::string field;
        reader.readField(field, '\0');
        EXPECT_EQ(field, c.text) << c.what;
        EXPECT_EQ(readTextFile(folder.path("file")), c.text) << c.what;
    }
}

TEST(TextMode, WritesLineFeedsAsCrLfAndEverythingElseAsIs) {
    const struct {
        std::string text;
        std::string bytes;
    } cases[] = {
        {"one\ntwo\n", "one\r\ntwo\r\n"},
        {"\n\n", "\r\n\r\n"},
        {"a\rb", "a\rb"},
        {"\x1A\x00\xFF\t"s, "\x1A\x00\xFF\t"s},
        {"", ""},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        ASSERT_TRUE(writeTextFileSafely(folder.path("file"), c.text));
        EXPECT_EQ(folder.read("file"), c.bytes);
    }
}

TEST(TextMode, MissingOrDirectoryFilesCannotBeRead) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path("folder"));
    EXPECT_EQ(readTextFile(folder.path("missing")), std::nullopt);
    EXPECT_EQ(readTextFile(folder.path("folder")), std::nullopt);
    TextReader reader;
    EXPECT_FALSE(reader.open(folder.path("missing")));
    std::string field = "kept";
    EXPECT_EQ(reader.readField(field, ';'), FieldEnd::Failed);
    EXPECT_EQ(field, "kept");
}

TEST(SafeWrite, ReplacesTheFileAndLeavesNoTemporary) {
    TempFolder folder;
    folder.write("file", "old content that is longer");
    ASSERT_TRUE(writeTextFileSafely(folder.path("file"), "new"));
    EXPECT_EQ(folder.read("file"), "new");
    EXPECT_EQ(folder.names(), std::set<std::string>{"file"});
}

TEST(SafeWrite, FailureKeepsWhatWasThere) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path("folder"));
    folder.write("folder/inside", "untouched");
    EXPECT_FALSE(writeTextFileSafely(folder.path("folder"), "text"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path("folder")));
    EXPECT_EQ(folder.read("folder/inside"), "untouched");
    EXPECT_EQ(folder.names(), std::set<std::string>{"folder"});

    EXPECT_FALSE(writeTextFileSafely(folder.path("missing/file"), "text"));
    EXPECT_EQ(folder.names(), std::set<std::string>{"folder"});
}

TEST(Append, CreatesThenAddsInTextMode) {
    TempFolder folder;
    ASSERT_TRUE(appendTextFile(folder.path("file"), "a;b:"));
    ASSERT_TRUE(appendTextFile(folder.path("file"), "c\n;d:"));
    EXPECT_EQ(folder.read("file"), "a;b:c\r\n;d:");
    EXPECT_FALSE(appendTextFile(folder.path("missing/file"), "x"));
}

TEST(FieldRead, EndsAtTheDelimiterOrTheEndOfTheFile) {
    TempFolder folder;
    folder.write("file", "ab;\r\n;c");
    TextReader reader;
    ASSERT_TRUE(reader.open(folder.path("file")));
    std::string field;
    EXPECT_EQ(reader.readField(field, ';'), FieldEnd::Delimiter);
    EXPECT_EQ(field, "ab");
    EXPECT_EQ(reader.readField(field, ';'), FieldEnd::Delimiter);
    EXPECT_EQ(field, "\n");
    EXPECT_EQ(reader.readField(field, ';'), FieldEnd::EndOfFile);
    EXPECT_EQ(field, "c");
    EXPECT_EQ(reader.readField(field, ';'), FieldEnd::Failed);
    EXPECT_EQ(field, "c");
    EXPECT_FALSE(reader.good());
}

} // namespace
} // namespace tallyrope
