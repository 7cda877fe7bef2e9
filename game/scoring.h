// Crediting a round's result to the current player.
#pragma once

#include "state/game.h"
#include "state/stats.h"

namespace tallyrope {

// A won round: one win and 10 points per byte of the phrase less the misses. Acts only at a
// stage of 6 or below, for player 1 or 2.
void doScores(const Game& game, Stats& stats);

// A lost round: one loss. Acts only at stage 7 or above, for player 1 or 2.
void doLoses(const Game& game, Stats& stats);

// Clears the points, wins and losses of player `playertype` (1 or 2); other values change nothing.
void resetStats(Stats& stats, std::int32_t playertype);

} // namespace tallyrope
