#include "storage/puzzle_store.h"

#include "storage/text_file.h"

#include <array>
#include <optional>

namespace tallyrope {

namespace {

// No amount moves a printable byte, a tab or a line feed onto a line feed, a carriage return or
// the end-of-file mark, so the store passes through text mode unchanged.
constexpr std::array<unsigned char, 10> shiftCycle = {7, 2, 9, 253, 5, 10, 251, 6, 254, 8};

std::string shifted(std::string bytes, int direction) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned amount = shiftCycle[i % shiftCycle.size()];
        const auto byte = static_cast<unsigned char>(bytes[i]);
        bytes[i] = static_cast<char>((byte + 256 + direction * static_cast<int>(amount)) % 256);
    }
    return bytes;
}

} // namespace

std::string scramble(std::string plain) {
    return shifted(std::move(plain), +1);
}

std::string unscramble(std::string stored) {
    return shifted(std::move(stored), -1);
}

bool OnLoads(const std::string& LoadsFile, const std::string& WordsFile) {
    const std::optional<std::string> stored = readTextFile(LoadsFile);
    return stored && writeTextFileSafely(WordsFile, unscramble(*stored));
}

bool OnExits(const std::string& WordsFile, const std::string& LoadsFile) {
    const std::optional<std::string> plain = readTextFile(WordsFile);
    return plain && writeTextFileSafely(LoadsFile, scramble(*plain)) &&
           writeTextFileSafely(WordsFile, purgeNotice);
}

} // namespace tallyrope
