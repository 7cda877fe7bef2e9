// Drawing the puzzle of a new round.
#pragma once

#include "state/session.h"

namespace tallyrope {

// Empties the round strings, counts the puzzles at the first New Game of the run, draws one
// record at random and builds the round strings from it. Beeps when there is no puzzle.
void ChooseWord(Session& session);

} // namespace tallyrope
