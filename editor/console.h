// Showing and hiding the Add_Puzzles window.
#pragma once

#include "state/session.h"

namespace tallyrope {

// S/H Con Panel on the main window: toggles the window while ConsoleUse is 0, beeps at 1 and
// does nothing at any other value.
void showHideConsole(Session& session);

// The window's own X.
void hideConsole(Session& session);

} // namespace tallyrope
