// The buttons that act on a round as a whole.
#pragma once

#include "state/session.h"

namespace tallyrope {

void newGame(Session& session);      // New Puzzle
void solvePuzzle(Session& session);  // Solve Puzzle: checks the solve box
void showSolution(Session& session); // Solution: reveals the phrase of a lost round once
void choosePlayer(Session& session, std::int32_t player); // 1 Player, 2 Player
void switchSkill(Session& session);                       // the skill button
void resetStatsButton(Session& session);                  // Reset Stats
void switchSound(Session& session);                       // the sound button

} // namespace tallyrope
