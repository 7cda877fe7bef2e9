// The edit box's text, caret and selection under typing, pasting, deleting and moving.
#include "frontends/sdl/edit_box.h"

#include <gtest/gtest.h>

namespace tallyrope {
namespace {

bool alwaysFits(const std::string&) {
    return true;
}

// A box as wide as `characters` characters.
std::function<bool(const std::string&)> fitsUpTo(std::size_t characters) {
    return [characters](const std::string& text) { return text.size() <= characters; };
}

EditBox boxHolding(const std::string& text, std::size_t caret) {
    EditBox box(0, alwaysFits);
    box.setText(text);
    box.placeCaret(caret, false);
    return box;
}

TEST(EditBoxLimits, TheLimitRefusesTypingAndCutsAPaste) {
    EditBox box(38, alwaysFits);
    EXPECT_TRUE(box.paste(std::string(36, 'a')));
    EXPECT_FALSE(box.paste("xyz"));
    EXPECT_EQ(box.text(), std::string(36, 'a') + "xy");
    EXPECT_EQ(box.caret(), 38u);
    EXPECT_FALSE(box.type("b"));
    EXPECT_EQ(box.text().size(), 38u);

    // Text replaced by typing no longer counts against the limit.
    box.placeCaret(0, false);
    box.placeCaret(2, true);
    EXPECT_TRUE(box.type("Q"));
    EXPECT_EQ(box.text().substr(0, 3), "Qaa");
    EXPECT_EQ(box.text().size(), 37u);
}

TEST(EditBoxLimits, TypingStopsAtTheRightEdge) {
    EditBox box(0, fitsUpTo(5));
    EXPECT_TRUE(box.type("abc"));
    box.placeCaret(1, false);
    EXPECT_FALSE(box.paste("XYZ"));
    EXPECT_EQ(box.text(), "aXYbc");
    EXPECT_EQ(box.caret(), 3u);
    EXPECT_FALSE(box.type("!"));
    EXPECT_EQ(box.text(), "aXYbc");
}

TEST(EditBoxLimits, APasteKeepsOnlyItsFirstLine) {
    EditBox box(0, alwaysFits);
    EXPECT_TRUE(box.paste("one\r\ntwo"));
    EXPECT_TRUE(box.paste(" more\nthree"));
    EXPECT_EQ(box.text(), "one more");
}

TEST(EditBoxSelection, ShiftMovesSelectFromTheAnchorAndTypingReplaces) {
    EditBox box = boxHolding("abcdef", 2);
    box.right(true);
    box.right(true);
    EXPECT_EQ(box.selectedText(), "cd");
    box.left(true);
    box.left(true);
    box.left(true);
    EXPECT_EQ(box.selectionStart(), 1u);
    EXPECT_EQ(box.selectionEnd(), 2u);
    EXPECT_EQ(box.caret(), 1u);
    box.end(true);
    EXPECT_EQ(box.selectedText(), "cdef");
    EXPECT_TRUE(box.type("XY"));
    EXPECT_EQ(box.text(), "abXY");
    EXPECT_FALSE(box.hasSelection());
    EXPECT_EQ(box.caret(), 4u);
}

TEST(EditBoxSelection, ArrowsWithoutShiftCollapseToTheSelectionsEnds) {
    EditBox box = boxHolding("abcdef", 1);
    box.placeCaret(4, true);
    box.left(false);
    EXPECT_EQ(box.caret(), 1u);
    EXPECT_FALSE(box.hasSelection());

    box.placeCaret(4, false);
    box.home(true);
    box.right(false);
    EXPECT_EQ(box.caret(), 4u);
    EXPECT_FALSE(box.hasSelection());

    box.selectAll();
    EXPECT_EQ(box.selectedText(), "abcdef");
    box.placeCaret(99, false);
    EXPECT_EQ(box.caret(), 6u);
}

TEST(EditBoxDeleting, BackspaceAndDeleteStopAtTheEndsAndTakeTheSelection) {
    EditBox box = boxHolding("abc", 0);
    EXPECT_FALSE(box.backspace());
    EXPECT_TRUE(box.deleteForward());
    EXPECT_EQ(box.text(), "bc");
    box.end(false);
    EXPECT_FALSE(box.deleteForward());
    EXPECT_TRUE(box.backspace());
    EXPECT_EQ(box.text(), "b");
    EXPECT_EQ(box.caret(), 1u);

    box = boxHolding("abcdef", 1);
    box.placeCaret(4, true);
    EXPECT_TRUE(box.backspace());
    EXPECT_EQ(box.text(), "aef");
    EXPECT_EQ(box.caret(), 1u);
}

TEST(EditBoxDeleting, SetTextPutsTheCaretAtTheStartWithNothingSelected) {
    EditBox box(3, alwaysFits);
    box.type("ab");
    box.home(true);
    box.setText("longer than the limit");
    EXPECT_EQ(box.text(), "longer than the limit");
    EXPECT_EQ(box.caret(), 0u);
    EXPECT_FALSE(box.hasSelection());
}

TEST(NearestIndex, AClickLandsOnTheNearerCharacterEdge) {
    const auto tenPixelsEach = [](const std::string& text) { return 10 * int(text.size()); };
    const std::string text = "abcd";
    EXPECT_EQ(nearestIndex(text, -5, tenPixelsEach), 0u);
    EXPECT_EQ(nearestIndex(text, 4, tenPixelsEach), 0u);
    EXPECT_EQ(nearestIndex(text, 14, tenPixelsEach), 1u);
    EXPECT_EQ(nearestIndex(text, 15, tenPixelsEach), 2u);
    EXPECT_EQ(nearestIndex(text, 20, tenPixelsEach), 2u);
    EXPECT_EQ(nearestIndex(text, 36, tenPixelsEach), 4u);
    EXPECT_EQ(nearestIndex(text, 500, tenPixelsEach), 4u);
    EXPECT_EQ(nearestIndex("", 7, tenPixelsEach), 0u);
}

} // namespace
} // namespace tallyrope
