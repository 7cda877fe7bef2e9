// The puzzle database file: records of phrase ";" hint ":" back to back, nothing between them.
#pragma once

#include "storage/record_scan.h"
#include "storage/text_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tallyrope {

struct Puzzle {
    std::string phrase;
    std::string hint;
};

// Reads the next record: the phrase up to ";", then the hint up to ":". Returns how the phrase
// read ended; the hint read is made only after a phrase ended by ";".
FieldEnd readRecord(TextReader& reader, Puzzle& puzzle);

// The file open for counting its records and reading one of them by number. The records before
// the one read are gone through without being built. A count notes where it was at the start
// of each block, so that a read after it begins near its record rather than at the start.
class PuzzleFileReader {
  public:
    explicit PuzzleFileReader(const std::string& path) { reader_.open(path); }

    // The number of complete records, those whose phrase is ended by ";"; 0 when the file
    // cannot be opened.
    std::int32_t count();
    // Record `index` (the first is 0); nothing when the file cannot be opened or is shorter.
    std::optional<Puzzle> read(std::int32_t index);

  private:
    struct Waypoint {
        std::int64_t position;
        RecordScan scan; // as it stood at `position`
    };

    TextReader reader_;
    std::vector<Waypoint> waypoints_; // in the order of the file
};

// The count of a file of its own.
std::int32_t countPuzzles(const std::string& path);

// The stored form of a record.
std::string serialise(const Puzzle& puzzle);

// Appends one record as it is given, creating the file when missing. A file whose readable text
// does not end exactly at a complete record (a line break after it, a record without its ":",
// bytes hidden behind an end-of-file mark) is first written again as its complete records, as
// a deletion writes them, so that the new record reads back as itself and the count of records
// rises by one. True when written; otherwise the file is as it was.
bool appendRecord(const std::string& path, const std::string& record);

// The rewrite after a deletion: the file becomes exactly `records`, or stays as it was when the
// write fails. True when the file changed; only then may the caller change the puzzle count.
// Windows cannot replace a file that is open, so the viewer's read stream must be closed first.
bool rewritePuzzles(const std::string& path, const std::string& records);

} // namespace tallyrope
