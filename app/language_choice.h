// Which language's puzzles are in play: at start-up the player's choice, or else the system's
// language; later whatever the player chooses.
#pragma once

#include "state/session.h"

#include <string>
#include <vector>

namespace tallyrope {

// The language a run starts in: the one the player chose in an earlier run (kept in
// `LanguageFile`), or the first of `systemLanguages` ("de-DE", "fr_FR.UTF-8") that the game
// has, or English.
const Language& startingLanguage(const std::string& LanguageFile,
                                 const std::vector<std::string>& systemLanguages);

// Before the store is unscrambled: puts the starting language in play.
void chooseStartingLanguage(Session& session, const std::vector<std::string>& systemLanguages);

// Puts the puzzles of `language` in play at once: the puzzles of the language in play go back
// into their store as at a quit, the new language's store is unscrambled, its tiles take the
// ledge and a new round starts. The scores and the console's locks stay as they are.
void switchLanguage(Session& session, const Language& language);

} // namespace tallyrope
