// The collection's readable source: one puzzle a line, the phrase, a TAB, then the hint. Lines
// starting with "#" are comments; blank lines are skipped.
#pragma once

#include "text/languages.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tallyrope::puzzles {

struct CompiledCollection {
    std::string database; // the records, phrases lower-cased as the game stores them
    std::size_t puzzles = 0;
    std::vector<std::string> refusals; // "name:line: what is wrong", one per broken rule
};

// `sourceName` names the source in the refusals; the puzzles are in `language`.
CompiledCollection compileCollection(std::string_view source, const std::string& sourceName,
                                     const Language& language = english());

} // namespace tallyrope::puzzles
