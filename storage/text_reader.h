// A file read in text mode a block at a time, staying open between reads.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace tallyrope {

// How a field read ended.
enum class FieldEnd {
    Failed,    // no byte: the target is emptied, or kept when the stream had already ended
    Delimiter, // the delimiter was taken (and not stored)
    EndOfFile, // the file ended after at least one byte
};

class TextReader {
  public:
    // The most bytes read from the file at once.
    static constexpr std::size_t blockSize = 64 * 1024;

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
    // A read from the file failed, as it does for a folder.
    bool failed() const { return failed_; }

    // Takes bytes into `target` (cleared first) up to the delimiter or the end of the file.
    FieldEnd readField(std::string& target, char delimiter);

    // Appends the next stretch of text, at most a block; false at the end.
    bool readText(std::string& text);

    // Hands the bytes ahead as they are stored, before line breaks are read, to `scan` a block
    // at a time, up to the end of the file or its end-of-file mark. `scan` returns how many of
    // them it went past; handing stops when it leaves some. For searches that no line break
    // can change.
    void scanStored(const std::function<std::size_t(std::string_view)>& scan);

    // Where in the file the next byte lies.
    std::int64_t position() const { return blockPosition_ + static_cast<std::int64_t>(next_); }
    // Goes on reading at `position`, one that position() gave for this file. False when the
    // file cannot be moved there.
    bool seek(std::int64_t position);

  private:
    // Reads the next block when every usable byte is taken; false when none is left.
    bool refill();
    std::string_view usable() const { return {block_.get() + next_, usable_ - next_}; }

    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> block_;
    std::int64_t blockPosition_ = 0; // where block_[0] lies in the file
    std::size_t next_ = 0;           // the first byte not taken
    // The end of the bytes that may be taken now. A CR that ends a block waits for the next
    // one, so that a CR LF pair is always seen whole.
    std::size_t usable_ = 0;
    std::size_t held_ = 0;   // the end of the bytes in the block
    bool lastBlock_ = false; // nothing follows the block: the file or its mark ends there
    bool ended_ = false;     // a read met the end
    bool failed_ = false;
};

} // namespace tallyrope
