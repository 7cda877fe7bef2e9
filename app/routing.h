// Where each button press, click, key and close request of the three windows goes. Both front
// ends hand their events over here and keep only the window system's own work.
#pragma once

#include "state/session.h"

namespace tallyrope {

enum class Arrow { Left, Up, Right, Down };

// Runs the command of button `id`, after handing the keyboard focus back to the main window
// so that its keys work again at once; false when no button has that id.
bool runCommand(Session& session, int id);

// A left button press at a point of `window`'s client area.
void leftButtonDown(Session& session, Window window, Point client);

// An arrow key pressed while one of the three windows has the focus.
void arrowKey(Session& session, Arrow arrow);

// A character typed while the main window itself has the focus: a letter, in either case,
// guesses as a click on its tile does, while a round runs and the console is hidden.
void letterKey(Session& session, char character);

// Enter pressed in edit box `editId` of `window`: the solve box presses Solve Puzzle, the
// console's phrase and hint boxes press Add Puzzle.
void enterKey(Session& session, Window window, int editId);

// F1, wherever the focus is: opens the guide as the ? button does.
void helpKey(Session& session);

// The window system asks to close `window` (its close button, Alt+F4, a signal to end): it
// does what the window's own closing button does.
void closeRequest(Session& session, Window window);

// The player chose the language of `code` from those the language button offered: it is kept
// for the next runs and its puzzles come into play. An unknown code changes nothing.
void chooseLanguage(Session& session, const std::string& code);

// The desktop session is ending and will end the program: the quit's saving steps only.
void sessionEnds(Session& session);

// The saving steps of the quit button, run at most once in a run: the puzzle store, then the
// statistics. True when everything was saved by this call.
bool saveOnQuit(Session& session);

// The puzzle store and the statistics as the quit leaves them, written into `folder` (with its
// trailing separator) under their own names while the run goes on. True when both were written.
bool exportFiles(const Session& session, const std::string& folder);

} // namespace tallyrope
