// Crediting a round's result to the current player.
#pragma once

#include "game/game.h"
#include "game/stats.h"

namespace tallyrope {

// A won round: one win and 10 points per byte of the phrase less the misses. Acts only at a
// stage of 6 or below, for player 1 or 2.
void doScores(const Game& game, Stats& stats);

// A lost round: one loss. Acts only at stage 7 or above, for player 1 or 2.
void doLoses(const Game& game, Stats& stats);

} // namespace tallyrope
