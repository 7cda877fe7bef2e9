// The order in which a run starts, the same for every front end.
#pragma once

#include "state/session.h"

#include <string>
#include <vector>

namespace tallyrope {

// What start-up asks of the window system, in the order it asks.
class WindowMaker {
  public:
    virtual ~WindowMaker() = default;
    // The three windows, hidden, and every control; false when the windows cannot be made.
    virtual bool createWindows() = 0;
    virtual void showMainWindow() = 0;
};

// What start-up says when no file can be created in the data folder.
extern const char* const unwritableFolderMessage;

// Start-up: reads the statistics file and shows the six score texts.
void showSavedScores(Session& session);

// Says so in a message box when no file can be created in the data folder, chooses the language
// (the player's earlier choice, else the first of `systemLanguages` the game has), then
// unscrambles its puzzle store before any window exists, has the windows made, puts the
// language's tiles on the ledge, shows the saved scores and the main window, and applies the
// configuration file. False when the windows could not be made.
bool startUp(Session& session, WindowMaker& windows,
             const std::vector<std::string>& systemLanguages = {});

} // namespace tallyrope
