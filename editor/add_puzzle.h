// Storing a typed puzzle at the end of the puzzle database file.
#pragma once

#include "state/session.h"

#include <string>

namespace tallyrope {

// Add Puzzle: stores the phrase box in small letters and the hint box as typed, or "no hint
// available" for an empty hint box, then empties both boxes. A phrase of fewer than two
// characters, a ";" in the phrase, a ":" in the hint or a control byte (below 0x20) in either
// would not read back as this puzzle: the press then beeps after its click, stores nothing and
// leaves both boxes for correcting. So does a record that could not be written.
void addPuzzle(Session& session);

// Ends any viewing pass and appends `exportwords`, a whole record, to the file. The puzzle
// count rises only when the record was written; false when it was not.
bool ExportWord(Session& session, const std::string& exportwords);

} // namespace tallyrope
