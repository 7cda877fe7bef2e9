// Windows-1252 bytes to and from UTF-8, including the bytes glibc leaves undefined.
#include "frontends/sdl/code_page.h"

#include <gtest/gtest.h>

namespace tallyrope {
namespace {

std::string repeated(const std::string& piece, int times) {
    std::string whole;
    for (int i = 0; i < times; ++i) {
        whole += piece;
    }
    return whole;
}

struct Pair {
    std::string utf8;
    std::string bytes;
};

const Pair pairs[] = {
    {"", ""},
    {"caf\xC3\xA9", "caf\xE9"},
    {"\xE2\x82\xAC", "\x80"},
    {"\xE2\x80\x98\xE2\x80\x99", "\x91\x92"},
    {"\xC3\xBF", "\xFF"},
    {"\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D", "\x81\x8D\x8F\x90\x9D"},
    // Longer than iconv's working chunk, with an undefined byte after the chunk's end.
    {repeated("\xE2\x82\xAC", 300) + "\xC2\x90!", std::string(300, '\x80') + "\x90!"},
};

TEST(CodePage, KnownTextsConvertBothWays) {
    for (const Pair& pair : pairs) {
        std::string bytes = "old";
        EXPECT_TRUE(toWindows1252(pair.utf8, bytes));
        EXPECT_EQ(bytes, pair.bytes);
        EXPECT_EQ(toUtf8(pair.bytes), pair.utf8);
    }
}

TEST(CodePage, CharactersOutsideTheCodePageAndMalformedUtf8AreRefused) {
    const std::string refused[] = {
        "\xE6\x97\xA5", // a character the code page lacks
        "ab\xC2\x80",   // U+0080: not one of the five undefined bytes
        "caf\xC3",      // cut short
        "\x80",         // a continuation byte alone
        "\xC0\xAF",     // overlong
        "a\xFF"
        "b", // never valid in UTF-8
    };
    for (const std::string& utf8 : refused) {
        std::string bytes = "untouched";
        EXPECT_FALSE(toWindows1252(utf8, bytes)) << utf8;
        EXPECT_EQ(bytes, "untouched");
    }
}

} // namespace
} // namespace tallyrope
