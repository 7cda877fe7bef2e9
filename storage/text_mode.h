// The program's text mode over bytes in memory, the same on every platform: a line feed is
// written as CR LF, CR LF is read back as a line feed and a lone CR stays. A byte 0x1A ends a
// file on reading; the file's reader stops there.
#pragma once

#include <string>
#include <string_view>

namespace tallyrope {

constexpr char endOfFileMark = 0x1A;

// Appends the text that text mode reads from `bytes`, which hold no end-of-file mark. A CR at
// the end of `bytes` is taken as a lone CR, so a stretch must not end between a CR and its LF.
void appendFromTextMode(std::string& text, std::string_view bytes);

// Appends the bytes that text mode writes for `text`.
void appendToTextMode(std::string& bytes, std::string_view text);

} // namespace tallyrope
