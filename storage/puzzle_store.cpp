#include "storage/puzzle_store.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace tallyrope {

namespace {

// No amount moves a printable byte, a tab or a line feed onto a line feed, a carriage return or
// the end-of-file mark, so the store passes through text mode unchanged.
constexpr std::array<unsigned char, 10> shiftCycle = {7, 2, 9, 253, 5, 10, 251, 6, 254, 8};

// The cycle over and over, long enough for a run of bytes from any place. A run is a whole
// number of cycles, so it ends at the place where it started, and long enough for the
// compiler to shift many bytes at once. Bytes wrap modulo 256 as unsigned chars do, so a shift
// down adds the amount's complement.
constexpr std::size_t runLength = 8 * shiftCycle.size();
using RepeatedCycle = std::array<unsigned char, runLength + shiftCycle.size()>;

constexpr RepeatedCycle repeated(int direction) {
    RepeatedCycle amounts{};
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        amounts[i] = static_cast<unsigned char>(direction * shiftCycle[i % shiftCycle.size()]);
    }
    return amounts;
}

constexpr RepeatedCycle shiftsUp = repeated(+1);
constexpr RepeatedCycle shiftsDown = repeated(-1);

} // namespace

void ShiftCycle::scramble(std::string& bytes) {
    shift(bytes, shiftsUp.data());
}

void ShiftCycle::unscramble(std::string& bytes) {
    shift(bytes, shiftsDown.data());
}

void ShiftCycle::shift(std::string& text, const unsigned char* amounts) {
    auto* bytes = reinterpret_cast<unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    for (; i + runLength <= size; i += runLength) {
        const unsigned char* run = amounts + place_;
        for (std::size_t k = 0; k < runLength; ++k) {
            bytes[i + k] = static_cast<unsigned char>(bytes[i + k] + run[k]);
        }
    }
    for (; i < size; ++i) {
        bytes[i] = static_cast<unsigned char>(bytes[i] + amounts[place_]);
        place_ = place_ + 1 == shiftCycle.size() ? 0 : place_ + 1;
    }
}

std::string scramble(std::string plain) {
    ShiftCycle().scramble(plain);
    return plain;
}

std::string unscramble(std::string stored) {
    ShiftCycle().unscramble(stored);
    return stored;
}

Transfer packStore(const std::string& plainPath, const std::string& storePath) {
    ShiftCycle cycle;
    return transformTextFile(plainPath, storePath, [&](std::string& text) {
        cycle.scramble(text);
        return text.find(endOfFileMark) == std::string::npos;
    });
}

Transfer unpackStore(const std::string& storePath, const std::string& plainPath) {
    ShiftCycle cycle;
    return transformTextFile(storePath, plainPath, [&](std::string& text) {
        cycle.unscramble(text);
        return true;
    });
}

namespace {

bool isPurgeNotice(const std::string& path) {
    const std::string notice = purgeNotice;
    std::error_code error;
    return std::filesystem::file_size(path, error) == notice.size() && !error &&
           readTextFile(path) == notice;
}

// A run that ended without its quit steps left its puzzles in the working file, written after
// the store it came from. Not older rather than newer: a file system may give both files the
// same time when they are written within a moment. A store copied in later is newer and wins.
bool holdsUnsavedPuzzles(const std::string& WordsFile, const std::string& LoadsFile) {
    std::error_code error;
    const auto working = std::filesystem::last_write_time(WordsFile, error);
    if (error) {
        return false;
    }
    const auto store = std::filesystem::last_write_time(LoadsFile, error);
    return !error && working >= store && !isPurgeNotice(WordsFile);
}

} // namespace

bool OnLoads(const std::string& LoadsFile, const std::string& WordsFile) {
    if (holdsUnsavedPuzzles(WordsFile, LoadsFile) &&
        packStore(WordsFile, LoadsFile) != Transfer::Done) {
        return false;
    }
    return unpackStore(LoadsFile, WordsFile) == Transfer::Done;
}

bool OnExits(const std::string& WordsFile, const std::string& LoadsFile) {
    return packStore(WordsFile, LoadsFile) == Transfer::Done &&
           writeTextFileSafely(WordsFile, purgeNotice);
}

} // namespace tallyrope
