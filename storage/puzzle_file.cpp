#include "storage/puzzle_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

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

namespace {

enum class Ending { CompleteRecord, Elsewhere, Unreadable };

// Where the file's stored bytes end: just after the ":" of a hint and with nothing hidden
// behind an end-of-file mark, or anywhere else. A missing file ends where it starts.
Ending endingOf(const std::string& path) {
    TextReader reader;
    if (!reader.open(path)) {
        return Ending::CompleteRecord;
    }
    // The last byte ends a hint when the bytes before it leave the scan inside a hint.
    RecordScan scan;
    char last = ':';
    bool anyByte = false;
    reader.scanStored([&](std::string_view bytes) {
        if (anyByte) {
            scan.pass({&last, 1});
        }
        scan.pass(bytes.substr(0, bytes.size() - 1));
        last = bytes.back();
        anyByte = true;
        return bytes.size();
    });
    if (reader.failed()) {
        return Ending::Unreadable;
    }
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    const bool nothingHidden = !error && size == static_cast<std::uintmax_t>(reader.position());
    const bool endsAHint = !anyByte || (last == ':' && scan.phraseEnds() != scan.hintEnds());
    return nothingHidden && endsAHint ? Ending::CompleteRecord : Ending::Elsewhere;
}

// The file's records whose phrase is ended by ";", each written again; nothing when the file
// cannot be read to its end.
std::optional<std::string> completeRecords(const std::string& path) {
    TextReader reader;
    if (!reader.open(path)) {
        return std::nullopt;
    }
    std::string records;
    Puzzle record;
    while (readRecord(reader, record) == FieldEnd::Delimiter) {
        records += serialise(record);
    }
    if (reader.failed()) {
        return std::nullopt;
    }
    return records;
}

} // namespace

bool appendRecord(const std::string& path, const std::string& record) {
    switch (endingOf(path)) {
    case Ending::CompleteRecord:
        return appendTextFile(path, record);
    case Ending::Elsewhere: {
        const std::optional<std::string> records = completeRecords(path);
        return records && writeTextFileSafely(path, *records + record);
    }
    case Ending::Unreadable:
        break;
    }
    return false;
}

bool rewritePuzzles(const std::string& path, const std::string& records) {
    return writeTextFileSafely(path, records);
}

} // namespace tallyrope
