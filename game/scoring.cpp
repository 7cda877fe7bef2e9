#include "game/scoring.h"

namespace tallyrope {

void doScores(const Game& game, Stats& stats) {
    if (game.numwrong > 6 || (game.playertype != 1 && game.playertype != 2)) {
        return;
    }
    const bool one = game.playertype == 1;
    std::int32_t& wins = one ? stats.pwinsone : stats.pwinstwo;
    std::int32_t& score = one ? stats.pscoreone : stats.pscoretwo;
    const auto length = static_cast<std::int32_t>(game.solveword.size());
    const std::int32_t points = static_cast<std::int32_t>(
        10u * static_cast<std::uint32_t>(wrappingAdd(length, -game.numwrong)));
    wins = wrappingAdd(wins, 1);
    score = wrappingAdd(score, points);
}

void doLoses(const Game& game, Stats& stats) {
    if (game.numwrong < 7 || (game.playertype != 1 && game.playertype != 2)) {
        return;
    }
    std::int32_t& losses = game.playertype == 1 ? stats.plossone : stats.plosstwo;
    losses = wrappingAdd(losses, 1);
}

void resetStats(Stats& stats, std::int32_t playertype) {
    if (playertype == 1) {
        stats.pscoreone = stats.pwinsone = stats.plossone = 0;
    } else if (playertype == 2) {
        stats.pscoretwo = stats.pwinstwo = stats.plosstwo = 0;
    }
}

} // namespace tallyrope
