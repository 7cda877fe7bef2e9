// A puzzle database's text split into records the way the game reads them.
#pragma once

#include "storage/puzzle_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallyrope::puzzles {

struct DatabaseRecord {
    Puzzle puzzle;
    bool closed = false; // its hint ended with ":" rather than at the end of the text
};

struct DatabaseText {
    std::vector<DatabaseRecord> records;
    std::string trailing; // text after the last record without a ";": the game never shows it
};

// Each record is a phrase up to ";" and a hint up to ":" (or the end of the text).
DatabaseText splitDatabase(std::string_view text);

} // namespace tallyrope::puzzles
