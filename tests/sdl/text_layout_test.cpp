// How static texts lay out: prefixes taken out, centred texts wrapped at spaces.
#include "ui/text_layout.h"

#include <gtest/gtest.h>

namespace tallyrope {
namespace {

int tenPixelsEach(const std::string& text) {
    return static_cast<int>(text.size()) * 10;
}

TEST(TextLayout, PrefixesAreTakenOutAndDoubledOnesShowOnce) {
    EXPECT_EQ(withoutPrefixes("Salt && &pepper"), "Salt & pepper");
    EXPECT_EQ(withoutPrefixes("end&"), "end");
}

TEST(TextLayout, CentredTextsWrapAtSpacesAndLineBreaks) {
    // The used-letter bin: 60 pixels hold six characters.
    EXPECT_EQ(wrapLines("K S T U # ", 60, tenPixelsEach),
              (std::vector<std::string>{"K S T", "U # "}));
    EXPECT_EQ(wrapLines("abcdefghij xy", 60, tenPixelsEach),
              (std::vector<std::string>{"abcdefghij", "xy"}));
    EXPECT_EQ(wrapLines("one\ntwo", 60, tenPixelsEach), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(wrapLines("", 60, tenPixelsEach), (std::vector<std::string>{""}));
}

} // namespace
} // namespace tallyrope
