// Files in the program's text mode, the same bytes on every platform: a line feed is written as
// CR LF, CR LF is read back as a line feed, and a byte 0x1A ends a file on reading.
#pragma once

#include "storage/text_mode.h"
#include "storage/text_reader.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tallyrope {

// The whole file as text mode reads it; nothing when it cannot be read.
std::optional<std::string> readTextFile(const std::string& path);

// Writes a temporary file in the same folder, flushes it and renames it over `path` only when
// every byte was written, so a failure leaves the old file as it was. True on success.
bool writeTextFileSafely(const std::string& path, std::string_view text);

// Appends to the file, creating it when missing. True when every byte was written.
bool appendTextFile(const std::string& path, std::string_view text);

// How a file's text was carried into another file.
enum class Transfer {
    Done,
    CannotRead,
    CannotWrite,
    Refused, // the change refused some of the text
};

// Reads `from` a stretch of text at a time, lets `change` alter each stretch in place, and writes
// it to `to`, which is replaced as by writeTextFileSafely. Memory stays the same whatever the
// size of the file. `change` returns false to refuse a stretch; `to` then stays as it was.
Transfer transformTextFile(const std::string& from, const std::string& to,
                           const std::function<bool(std::string& text)>& change);

} // namespace tallyrope
