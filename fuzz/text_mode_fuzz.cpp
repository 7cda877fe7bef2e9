// Text mode from any bytes: text written whole or appended to a file, then read, comes back
// byte for byte up to its first end-of-file mark, and a field read stops where a split of the
// text read finds its delimiter, across the reader's blocks as within one.
#include "fuzz_support.h"

#include "storage/text_file.h"

namespace tallyrope::fuzz {
namespace {

// The text up to its first end-of-file mark, which ends what is read.
std::string upToTheMark(const std::string& text) {
    return text.substr(0, text.find(endOfFileMark));
}

// Every field of `text` up to `delimiter`, as a split finds them; the last one only when it
// holds a byte.
std::vector<std::string> fieldsOf(const std::string& text, char delimiter) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(delimiter, start), text.size());
        fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

// The bytes that text mode writes for `text`: each line feed as CR LF.
std::string storedAs(const std::string& text) {
    std::string bytes;
    for (const char c : text) {
        if (c == '\n') {
            bytes += '\r';
        }
        bytes += c;
    }
    return bytes;
}

void readsBackWhatWasWritten(const std::string& path, const std::string& text) {
    FUZZ_CHECK(writeTextFileSafely(path, text));
    FUZZ_CHECK(readBytes(path) == storedAs(text));
    FUZZ_CHECK(readTextFile(path) == upToTheMark(text));
    FUZZ_CHECK(appendTextFile(path, text));
    FUZZ_CHECK(readBytes(path) == storedAs(text + text));
    FUZZ_CHECK(readTextFile(path) == upToTheMark(text + text));
}

void readsTheFieldsASplitFinds(const std::string& path, char delimiter) {
    const std::string text = *readTextFile(path);
    TextReader reader;
    FUZZ_CHECK(reader.open(path));
    std::string field;
    for (const std::string& expected : fieldsOf(text, delimiter)) {
        FUZZ_CHECK(reader.readField(field, delimiter) != FieldEnd::Failed);
        FUZZ_CHECK(field == expected);
    }
    FUZZ_CHECK(reader.readField(field, delimiter) == FieldEnd::Failed);
}

} // namespace
} // namespace tallyrope::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tallyrope::fuzz;
    const std::string path = emptyScratchFolder().path("TRData.dat");
    Input input(data, size);
    const std::uint8_t how = input.byte();
    const char delimiter = static_cast<char>(input.byte());
    // Odd: the bytes start just before the end of the reader's first block.
    const std::string padding =
        how & 1 ? std::string(tallyrope::TextReader::blockSize - how, 'x') : std::string();
    const std::string bytes = input.rest();
    readsBackWhatWasWritten(path, padding + bytes);
    writeBytes(path, padding + bytes);
    readsTheFieldsASplitFinds(path, delimiter);
    return 0;
}
