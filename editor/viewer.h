// Ending a viewing pass from outside the viewer's own buttons.
#pragma once

#include "state/viewer.h"
#include "text/language.h"
#include "ui/ui.h"

namespace tallyrope {

// Ends the pass when a stored puzzle's hint is on view.
void PuzClicked(Viewer& viewer);

// New Game's abort step: ends a pass that shows a stored puzzle and says so in the phrase box,
// in `language`.
void abortViewing(Viewer& viewer, Ui& ui, const Language& language);

} // namespace tallyrope
