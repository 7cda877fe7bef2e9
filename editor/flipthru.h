// One step of the puzzle viewer over the puzzle database file.
#pragma once

#include "state/session.h"
#include "text/catalogue.h"

namespace tallyrope {

// What the phrase box says when a pass has ended.
inline const char* const resetMessage = englishText("Resetting Puzzle Viewer...");

// With `doit` 0, shows the next record, opening a pass at the first record when none is open.
// With `doit` 1, deletes the record on view and ends the pass. A pass ends at a read that
// brings no phrase of at least two characters; bytes after the last record that hold no ";"
// are not a record: they are never shown and a delete leaves them out. False when a delete could
// not be made: the file and the count are as they were, and the record stays on view.
bool flipthru(Session& session);

} // namespace tallyrope
