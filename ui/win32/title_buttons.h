// The buttons of the main window's title strip: minimize, help and quit.
#pragma once

#include "ui/win32/front_end.h"

namespace tallyrope {

void minimizeButton(FrontEnd& frontEnd);

// Opens the help file, unless its viewer is already open.
void helpButton(FrontEnd& frontEnd);

// Saves the puzzles and the statistics, then destroys the main window, which ends the run.
void quitButton(FrontEnd& frontEnd);

// The quit's saving steps, run at most once in a run.
void saveOnce(FrontEnd& frontEnd);

} // namespace tallyrope
