// The text, caret and selection of a single-line edit box that never scrolls: typing stops at
// the right edge. Bytes are Windows-1252, one byte per character.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace tallyrope {

class EditBox {
  public:
    // `limit`: the most characters the box accepts, 0 for no limit. `fits`: whether a whole text
    // still fits the box's width.
    EditBox(std::size_t limit, std::function<bool(const std::string&)> fits);

    const std::string& text() const { return text_; }
    std::size_t caret() const { return caret_; } // a byte index, 0..size
    // The selection is [start, end), empty when there is none.
    std::size_t selectionStart() const;
    std::size_t selectionEnd() const;
    bool hasSelection() const { return anchor_ != caret_; }
    std::string selectedText() const;

    // As a program sets the text: no limit check, caret at 0, nothing selected.
    void setText(const std::string& bytes);
    void deleteSelection();

    // Both replace the selection with the longest prefix of `bytes` that keeps within the limit
    // and the width; true when all of it went in. A paste takes only its first line, and is
    // true when all of that went in.
    bool type(const std::string& bytes);
    bool paste(const std::string& bytes);

    // Each removes the selection, or else the character beside the caret; false when there was
    // nothing to remove.
    bool backspace();
    bool deleteForward();

    // `extend` (Shift held) moves the caret and keeps the anchor, growing or shrinking the
    // selection. Without it Left and Right first collapse a selection to its start or end.
    void left(bool extend);
    void right(bool extend);
    void home(bool extend);
    void end(bool extend);
    void selectAll();
    // A click (extend false), or a drag or Shift+click (extend true); `index` is clamped.
    void placeCaret(std::size_t index, bool extend);

  private:
    void moveCaret(std::size_t index, bool extend);

    std::size_t limit_;
    std::function<bool(const std::string&)> fits_;
    std::string text_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0; // the fixed end of the selection; equals caret_ when none
};

// The caret index nearest to pixel `x` in a box showing `text`, where `width` measures a prefix.
// Exactly halfway between two indexes picks the later one.
std::size_t nearestIndex(const std::string& text, int x,
                         const std::function<int(const std::string&)>& width);

} // namespace tallyrope
