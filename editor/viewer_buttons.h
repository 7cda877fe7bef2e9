// The puzzle viewer's buttons in the Add_Puzzles window, both governed by EditingUse.
#pragma once

#include "state/session.h"

namespace tallyrope {

void reviewNext(Session& session); // Review: the next stored puzzle into the two boxes
// Del: deletes the record on view from the file and empties the boxes; when the file cannot be
// written, beeps and keeps the record in the boxes and on view.
void deleteOnView(Session& session);

} // namespace tallyrope
