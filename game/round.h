// Letter guesses and the end of a round.
#pragma once

#include "state/session.h"

namespace tallyrope {

// Shows the language's tiles, hides the whole figure and clears the tiles' flags.
void ResetAlpha(Session& session);

// Puts the ledge of the session's language on view: its tiles shown, every other tile hidden.
void showLanguageTiles(Session& session);

// One guess of `letter`, a tile of the language: reveals every occurrence of it and of the
// letters that fold onto it, each as written, or counts a miss.
void GuessLetter(Session& session, char letter);

// Shows the figure part of the current stage; at stage 7 the round is lost.
void UpdateFigure(Session& session);

void LoseRound(Session& session);
void WinRound(Session& session);

// Whether a round runs with a phrase to guess: only then do the tiles take guesses.
bool roundInPlay(const Game& game);

// A left click at a point of the main window's client area while a round runs.
void clickTiles(Session& session, Point client);

// Plays `letter`, a tile of the language, as a click on it does; a used tile takes nothing.
void playLetter(Session& session, char letter);

} // namespace tallyrope
