// The puzzle viewer's buttons in the Add_Puzzles window, both governed by EditingUse.
#pragma once

#include "state/session.h"

namespace tallyrope {

void reviewNext(Session& session);   // Review: the next stored puzzle into the two boxes
void deleteOnView(Session& session); // Del: deletes the record on view from the file

} // namespace tallyrope
