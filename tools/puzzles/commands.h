// The commands of tallyrope-puzzles, taking the arguments after the program's name. Messages
// for the user go to `err`, results to `out`.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tallyrope::puzzles {

enum ExitCode {
    exitSuccess = 0,
    exitRulesBroken = 1, // check or compile found puzzles that break the rules
    exitFailure = 2,     // bad arguments, or a file that could not be read or written
};

extern const char* const usage;

int runPuzzleTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace tallyrope::puzzles
