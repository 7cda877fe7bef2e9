#include "storage/text_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tallyrope {

namespace {

// Text without line feeds goes out as it is; the rest is translated in stretches, so that a big
// text is never copied whole.
bool writeInTextMode(std::FILE* file, std::string_view text) {
    if (text.find('\n') == std::string_view::npos) {
        return std::fwrite(text.data(), 1, text.size(), file) == text.size();
    }
    std::string bytes;
    for (std::size_t start = 0; start < text.size(); start += TextReader::blockSize) {
        bytes.clear();
        appendToTextMode(bytes, text.substr(start, TextReader::blockSize));
        if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
            return false;
        }
    }
    return true;
}

// A temporary file beside `path` that takes the place of the file only once it is complete.
class ReplacingWriter {
  public:
    explicit ReplacingWriter(const std::string& path)
        : path_(path), temporary_(path + ".tmp"), file_(std::fopen(temporary_.c_str(), "wb")) {}
    ReplacingWriter(const ReplacingWriter&) = delete;
    ReplacingWriter& operator=(const ReplacingWriter&) = delete;
    ~ReplacingWriter() {
        if (file_ != nullptr) {
            std::fclose(file_);
            std::remove(temporary_.c_str());
        }
    }

    bool isOpen() const { return file_ != nullptr; }
    bool write(std::string_view text) { return writeInTextMode(file_, text); }

    // Closes the temporary file, flushing it, and renames it over the file. False when either
    // fails; the file is then as it was and the temporary file is gone.
    bool commit() {
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        std::error_code error;
        if (closed) {
            std::filesystem::rename(temporary_, path_, error);
        }
        if (!closed || error) {
            std::remove(temporary_.c_str());
            return false;
        }
        return true;
    }

  private:
    std::string path_;
    std::string temporary_;
    std::FILE* file_;
};

} // namespace

std::optional<std::string> readTextFile(const std::string& path) {
    TextReader reader;
    if (!reader.open(path)) {
        return std::nullopt;
    }
    std::string text;
    while (reader.readText(text)) {
    }
    if (reader.failed()) {
        return std::nullopt;
    }
    return text;
}

bool writeTextFileSafely(const std::string& path, std::string_view text) {
    ReplacingWriter writer(path);
    return writer.isOpen() && writer.write(text) && writer.commit();
}

bool appendTextFile(const std::string& path, std::string_view text) {
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (file == nullptr) {
        return false;
    }
    const bool written = writeInTextMode(file, text);
    return std::fclose(file) == 0 && written;
}

Transfer transformTextFile(const std::string& from, const std::string& to,
                           const std::function<bool(std::string& text)>& change) {
    TextReader reader;
    if (!reader.open(from)) {
        return Transfer::CannotRead;
    }
    ReplacingWriter writer(to);
    if (!writer.isOpen()) {
        return Transfer::CannotWrite;
    }
    std::string text;
    while (reader.readText(text)) {
        if (!change(text)) {
            return Transfer::Refused;
        }
        if (!writer.write(text)) {
            return Transfer::CannotWrite;
        }
        text.clear();
    }
    if (reader.failed()) {
        return Transfer::CannotRead;
    }
    return writer.commit() ? Transfer::Done : Transfer::CannotWrite;
}

} // namespace tallyrope
