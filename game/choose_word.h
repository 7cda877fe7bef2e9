// Drawing the puzzle of a new round.
#pragma once

#include "state/session.h"

#include <cstdint>

namespace tallyrope {

// Empties the round strings, counts the puzzles at the first New Game of the run, draws one
// record at random and builds the round strings from it. Beeps when there is no puzzle.
void ChooseWord(Session& session);

// A record number from 0 to count - 1, each as likely as any other. `count` is above 0.
std::int32_t drawRecord(Random& random, std::int32_t count);

} // namespace tallyrope
