// Checking a puzzle database against the collection's rules. A ";" in a phrase or a ":" in a
// hint cannot be seen as such once stored: they show up as records split or shifted, whose
// parts then break the rules.
#pragma once

#include "text/languages.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallyrope::puzzles {

// One message for each problem, naming the record (the first is record 1); empty when none.
std::vector<std::string> checkDatabase(std::string_view text, const Language& language = english());

} // namespace tallyrope::puzzles
