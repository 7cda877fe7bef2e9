// Files in the program's text mode, the same bytes on every platform: a line feed is written as
// CR LF, CR LF is read back as a line feed, and a byte 0x1A ends a file on reading.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace tallyrope {

// The bytes that text mode writes for `text`.
std::string toTextMode(std::string_view text);

// The text that text mode reads from `bytes`.
std::string fromTextMode(std::string_view bytes);

// The whole file as text mode reads it; nothing when it cannot be opened.
std::optional<std::string> readTextFile(const std::string& path);

// Writes a temporary file in the same folder, flushes it and renames it over `path` only when
// every byte was written, so a failure leaves the old file as it was. True on success.
bool writeTextFileSafely(const std::string& path, std::string_view text);

// Appends to the file, creating it when missing. True when every byte was written.
bool appendTextFile(const std::string& path, std::string_view text);

// How a field read ended.
enum class FieldEnd {
    Failed,    // no byte: the target is emptied, or kept when the stream had already ended
    Delimiter, // the delimiter was taken (and not stored)
    EndOfFile, // the file ended after at least one byte
};

// A read stream in text mode that stays open between reads.
class TextReader {
  public:
    TextReader() = default;
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;
    ~TextReader();

    // Opens the file from its start, clearing any end or error state. False when it cannot.
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return file_ != nullptr; }
    // Open, without error and not at the end.
    bool good() const { return file_ != nullptr && !ended_; }

    // Takes bytes into `target` (cleared first) up to the delimiter or the end of the file.
    FieldEnd readField(std::string& target, char delimiter);

  private:
    // The next byte as text mode reads it, or -1 at the end.
    int next();

    std::FILE* file_ = nullptr;
    bool ended_ = false;
};

} // namespace tallyrope
