#include "storage/puzzle_file.h"

namespace tallyrope {

FieldEnd readRecord(TextReader& reader, Puzzle& puzzle) {
    const FieldEnd phraseEnd = reader.readField(puzzle.phrase, ';');
    if (phraseEnd == FieldEnd::Delimiter) {
        reader.readField(puzzle.hint, ':');
    }
    return phraseEnd;
}

std::int32_t countPuzzles(const std::string& path) {
    TextReader reader;
    if (!reader.open(path)) {
        return 0;
    }
    std::int32_t count = 0;
    Puzzle scratch;
    while (readRecord(reader, scratch) == FieldEnd::Delimiter) {
        ++count;
    }
    return count;
}

std::optional<Puzzle> readPuzzle(const std::string& path, std::int32_t index) {
    TextReader reader;
    if (!reader.open(path)) {
        return std::nullopt;
    }
    Puzzle puzzle;
    for (std::int32_t i = 0; i <= index; ++i) {
        if (readRecord(reader, puzzle) != FieldEnd::Delimiter) {
            return std::nullopt;
        }
    }
    return puzzle;
}

std::string serialise(const Puzzle& puzzle) {
    return puzzle.phrase + ";" + puzzle.hint + ":";
}

bool appendRecord(const std::string& path, const std::string& record) {
    return appendTextFile(path, record);
}

bool rewritePuzzles(const std::string& path, const std::string& records) {
    return writeTextFileSafely(path, records);
}

} // namespace tallyrope
