// Where each button press and click of the three windows goes: the platform front end hands
// them over here and keeps only what needs the platform itself (help, minimize, quit, moving).
#pragma once

#include "ui/session.h"

namespace tallyrope {

// Runs the command of control `id`; false when the id is not one the rules handle.
bool runCommand(Session& session, int id);

// A left button press at a point of `window`'s client area.
void leftButtonDown(Session& session, Window window, Point client);

// Start-up: reads the statistics file and shows the six score texts.
void showSavedScores(Session& session);

// The saving steps of the quit button: the puzzle store, then the statistics. True when
// everything was saved.
bool saveOnQuit(Session& session);

} // namespace tallyrope
