#include "storage/text_reader.h"

#include "storage/text_mode.h"

#include <cstring>
#include <limits>

namespace tallyrope {

namespace {

// The first byte that text mode reads as `delimiter`. A CR counts only alone: before a line
// feed it is half of a line break. A CR at `end` is never followed by a line feed.
const char* findDelimiter(const char* from, const char* end, char delimiter) {
    for (;;) {
        const auto* found = static_cast<const char*>(std::memchr(from, delimiter, end - from));
        if (found == nullptr || delimiter != '\r' || found + 1 == end || found[1] != '\n') {
            return found;
        }
        from = found + 1;
    }
}

} // namespace

TextReader::~TextReader() {
    close();
}

bool TextReader::open(const std::string& path) {
    close();
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) {
        return false;
    }
    if (!block_) {
        block_.reset(new char[blockSize]); // not cleared: a read fills what is used
    }
    return true;
}

void TextReader::close() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    blockPosition_ = 0;
    next_ = usable_ = held_ = 0;
    lastBlock_ = ended_ = failed_ = false;
}

bool TextReader::refill() {
    if (file_ == nullptr || lastBlock_) {
        return false;
    }
    const std::size_t carried = held_ - next_;
    std::memmove(block_.get(), block_.get() + next_, carried);
    blockPosition_ += static_cast<std::int64_t>(next_);
    next_ = 0;
    const std::size_t wanted = blockSize - carried;
    const std::size_t got = std::fread(block_.get() + carried, 1, wanted, file_);
    held_ = carried + got;
    if (got < wanted) {
        lastBlock_ = true;
        failed_ = std::ferror(file_) != 0;
    }
    if (const void* mark = std::memchr(block_.get() + carried, endOfFileMark, got)) {
        held_ = static_cast<std::size_t>(static_cast<const char*>(mark) - block_.get());
        lastBlock_ = true;
    }
    const bool crWaits = !lastBlock_ && held_ > 0 && block_[held_ - 1] == '\r';
    usable_ = crWaits ? held_ - 1 : held_;
    return next_ < usable_;
}

FieldEnd TextReader::readField(std::string& target, char delimiter) {
    if (!good()) {
        return FieldEnd::Failed;
    }
    target.clear();
    bool tookAny = false;
    while (next_ < usable_ || refill()) {
        const char* from = block_.get() + next_;
        const char* end = block_.get() + usable_;
        const char* found = findDelimiter(from, end, delimiter);
        if (found != nullptr) {
            // A line feed delimiter takes the CR of its pair with it.
            const bool pairedCr = delimiter == '\n' && found > from && found[-1] == '\r';
            appendFromTextMode(target, {from, static_cast<std::size_t>(found - from) - pairedCr});
            next_ = static_cast<std::size_t>(found + 1 - block_.get());
            return FieldEnd::Delimiter;
        }
        appendFromTextMode(target, usable());
        next_ = usable_;
        tookAny = true;
    }
    ended_ = true;
    return tookAny ? FieldEnd::EndOfFile : FieldEnd::Failed;
}

bool TextReader::readText(std::string& text) {
    if (!good()) {
        return false;
    }
    if (next_ == usable_ && !refill()) {
        ended_ = true;
        return false;
    }
    appendFromTextMode(text, usable());
    next_ = usable_;
    return true;
}

void TextReader::scanStored(const std::function<std::size_t(std::string_view)>& scan) {
    while (good() && (next_ < usable_ || refill())) {
        const std::string_view bytes = usable();
        const std::size_t passed = scan(bytes);
        next_ += passed;
        if (passed < bytes.size()) {
            return;
        }
    }
}

bool TextReader::seek(std::int64_t position) {
    if (file_ == nullptr || position < 0 || position > std::numeric_limits<long>::max() ||
        std::fseek(file_, static_cast<long>(position), SEEK_SET) != 0) {
        return false;
    }
    blockPosition_ = position;
    next_ = usable_ = held_ = 0;
    lastBlock_ = ended_ = false;
    return true;
}

} // namespace tallyrope
