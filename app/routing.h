// Where each button press, click, arrow key and close request of the three windows goes. Both
// front ends hand their events over here and keep only the window system's own work.
#pragma once

#include "state/session.h"

namespace tallyrope {

enum class Arrow { Left, Up, Right, Down };

// Runs the command of control `id`; false when no button has that id.
bool runCommand(Session& session, int id);

// A left button press at a point of `window`'s client area.
void leftButtonDown(Session& session, Window window, Point client);

// An arrow key pressed while one of the three windows has the focus.
void arrowKey(Session& session, Arrow arrow);

// The window system asks to close `window` (its close button, Alt+F4, a signal to end): it
// does what the window's own closing button does.
void closeRequest(Session& session, Window window);

// The desktop session is ending and will end the program: the quit's saving steps only.
void sessionEnds(Session& session);

// The saving steps of the quit button, run at most once in a run: the puzzle store, then the
// statistics. True when everything was saved by this call.
bool saveOnQuit(Session& session);

} // namespace tallyrope
