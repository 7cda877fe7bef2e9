#include "frontends/sdl/edit_box.h"

#include "ui/text_fit.h"

#include <algorithm>
#include <utility>

namespace tallyrope {

EditBox::EditBox(std::size_t limit, std::function<bool(const std::string&)> fits)
    : limit_(limit), fits_(std::move(fits)) {}

std::size_t EditBox::selectionStart() const {
    return std::min(anchor_, caret_);
}

std::size_t EditBox::selectionEnd() const {
    return std::max(anchor_, caret_);
}

std::string EditBox::selectedText() const {
    return text_.substr(selectionStart(), selectionEnd() - selectionStart());
}

void EditBox::setText(const std::string& bytes) {
    text_ = bytes;
    caret_ = anchor_ = 0;
}

void EditBox::deleteSelection() {
    const std::size_t start = selectionStart();
    text_.erase(start, selectionEnd() - start);
    caret_ = anchor_ = start;
}

bool EditBox::type(const std::string& bytes) {
    deleteSelection();
    std::size_t count = bytes.size();
    if (limit_ != 0) {
        count = std::min(count, limit_ > text_.size() ? limit_ - text_.size() : 0);
    }
    count = longestFit(count, [&](std::size_t n) {
        return fits_(text_.substr(0, caret_) + bytes.substr(0, n) + text_.substr(caret_));
    });
    text_.insert(caret_, bytes, 0, count);
    caret_ = anchor_ = caret_ + count;
    return count == bytes.size();
}

bool EditBox::paste(const std::string& bytes) {
    return type(bytes.substr(0, bytes.find_first_of("\r\n")));
}

bool EditBox::backspace() {
    if (!hasSelection()) {
        if (caret_ == 0) {
            return false;
        }
        anchor_ = caret_ - 1;
    }
    deleteSelection();
    return true;
}

bool EditBox::deleteForward() {
    if (!hasSelection()) {
        if (caret_ == text_.size()) {
            return false;
        }
        anchor_ = caret_ + 1;
    }
    deleteSelection();
    return true;
}

void EditBox::left(bool extend) {
    if (hasSelection() && !extend) {
        moveCaret(selectionStart(), false);
    } else {
        moveCaret(caret_ > 0 ? caret_ - 1 : 0, extend);
    }
}

void EditBox::right(bool extend) {
    if (hasSelection() && !extend) {
        moveCaret(selectionEnd(), false);
    } else {
        moveCaret(std::min(caret_ + 1, text_.size()), extend);
    }
}

void EditBox::home(bool extend) {
    moveCaret(0, extend);
}

void EditBox::end(bool extend) {
    moveCaret(text_.size(), extend);
}

void EditBox::selectAll() {
    anchor_ = 0;
    caret_ = text_.size();
}

void EditBox::placeCaret(std::size_t index, bool extend) {
    moveCaret(std::min(index, text_.size()), extend);
}

void EditBox::moveCaret(std::size_t index, bool extend) {
    caret_ = index;
    if (!extend) {
        anchor_ = index;
    }
}

std::size_t nearestIndex(const std::string& text, int x,
                         const std::function<int(const std::string&)>& width) {
    int before = width(std::string());
    for (std::size_t index = 1; index <= text.size(); ++index) {
        const int after = width(text.substr(0, index));
        if (x < after) {
            return x - before < after - x ? index - 1 : index;
        }
        before = after;
    }
    return text.size();
}

} // namespace tallyrope
