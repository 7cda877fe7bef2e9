#include "storage/text_file.h"

#include <filesystem>
#include <system_error>

namespace tallyrope {

namespace {

constexpr char endOfFileMark = 0x1A;

class FileCloser {
  public:
    explicit FileCloser(std::FILE* file) : file_(file) {}
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;
    ~FileCloser() {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
    }
    // Closes now; false when the close (and so the final flush) failed.
    bool close() {
        const bool ok = std::fclose(file_) == 0;
        file_ = nullptr;
        return ok;
    }

  private:
    std::FILE* file_;
};

bool writeAll(std::FILE* file, std::string_view text) {
    const std::string bytes = toTextMode(text);
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
           std::fflush(file) == 0;
}

} // namespace

std::string toTextMode(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char c : text) {
        if (c == '\n') {
            bytes += '\r';
        }
        bytes += c;
    }
    return bytes;
}

std::string fromTextMode(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == endOfFileMark) {
            break;
        }
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        text += c;
    }
    return text;
}

std::optional<std::string> readTextFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    FileCloser closer(file);
    std::string bytes;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, got);
    }
    if (std::ferror(file)) {
        return std::nullopt;
    }
    return fromTextMode(bytes);
}

bool writeTextFileSafely(const std::string& path, std::string_view text) {
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    FileCloser closer(file);
    const bool written = writeAll(file, text);
    if (!closer.close() || !written) {
        std::remove(temporary.c_str());
        return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool appendTextFile(const std::string& path, std::string_view text) {
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (file == nullptr) {
        return false;
    }
    FileCloser closer(file);
    const bool written = writeAll(file, text);
    return closer.close() && written;
}

TextReader::~TextReader() {
    close();
}

bool TextReader::open(const std::string& path) {
    close();
    file_ = std::fopen(path.c_str(), "rb");
    ended_ = false;
    return file_ != nullptr;
}

void TextReader::close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    ended_ = false;
}

int TextReader::next() {
    int c = std::fgetc(file_);
    if (c == '\r') {
        const int following = std::fgetc(file_);
        if (following == '\n') {
            c = '\n';
        } else if (following != EOF) {
            std::ungetc(following, file_);
        }
    }
    if (c == EOF || c == static_cast<unsigned char>(endOfFileMark)) {
        ended_ = true;
        return -1;
    }
    return c;
}

FieldEnd TextReader::readField(std::string& target, char delimiter) {
    if (!good()) {
        return FieldEnd::Failed;
    }
    target.clear();
    int c = next();
    if (c < 0) {
        return FieldEnd::Failed;
    }
    for (; c >= 0; c = next()) {
        if (c == static_cast<unsigned char>(delimiter)) {
            return FieldEnd::Delimiter;
        }
        target += static_cast<char>(c);
    }
    return FieldEnd::EndOfFile;
}

} // namespace tallyrope
