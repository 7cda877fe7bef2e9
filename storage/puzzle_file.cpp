#include "storage/puzzle_file.h"

#include <algorithm>

namespace tallyrope {

FieldEnd readRecord(TextReader& reader, Puzzle& puzzle) {
    const FieldEnd phraseEnd = reader.readField(puzzle.phrase, ';');
    if (phraseEnd == FieldEnd::Delimiter) {
        reader.readField(puzzle.hint, ':');
    }
    return phraseEnd;
}

std::int32_t PuzzleFileReader::count() {
    waypoints_.clear();
    if (!reader_.seek(0)) {
        return 0;
    }
    RecordScan scan;
    reader_.scanStored([&](std::string_view bytes) {
        waypoints_.push_back({reader_.position(), scan});
        scan.pass(bytes);
        return bytes.size();
    });
    return static_cast<std::int32_t>(scan.phraseEnds());
}

std::optional<Puzzle> PuzzleFileReader::read(std::int32_t index) {
    if (index < 0) {
        return std::nullopt;
    }
    // The record starts after the ":" of hint number `index`: at the last waypoint passed
    // before that hint ended, or at the start of the file.
    const auto after = std::partition_point(
        waypoints_.begin(), waypoints_.end(),
        [index](const Waypoint& waypoint) { return waypoint.scan.hintEnds() < index; });
    Waypoint start = after == waypoints_.begin() ? Waypoint{0, RecordScan()} : *(after - 1);
    // A waypoint further than the C library can seek gives way to the start of the file.
    if (!reader_.seek(start.position)) {
        start = Waypoint{0, RecordScan()};
        if (!reader_.seek(0)) {
            return std::nullopt;
        }
    }
    RecordScan scan = start.scan;
    reader_.scanStored([&](std::string_view bytes) { return scan.passTo(bytes, index); });
    Puzzle puzzle;
    if (scan.hintEnds() != index || readRecord(reader_, puzzle) != FieldEnd::Delimiter) {
        return std::nullopt;
    }
    return puzzle;
}

std::int32_t countPuzzles(const std::string& path) {
    return PuzzleFileReader(path).count();
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
