#include "frontends/web/outcome.h"

#include "game/round.h"

#include <algorithm>

namespace tallyrope {

namespace {

// Seven figure stages lose a round.
constexpr std::int32_t lostStage = 7;

std::string missesLeftSentence(std::int32_t numwrong) {
    const std::int32_t left = lostStage - numwrong;
    return std::to_string(left) + (left == 1 ? " miss left." : " misses left.");
}

std::string found(char letter, long count) {
    const std::string times = count == 1 ? "once." : std::to_string(count) + " times.";
    return std::string(1, letter) + " is in the phrase " + times;
}

} // namespace

std::int32_t missesLeft(const Game& game) {
    return roundInPlay(game) ? lostStage - game.numwrong : -1;
}

RoundMoment momentOf(const Game& game, const Stats& stats) {
    return {roundInPlay(game), game.numwrong, game.KillLet, game.usedletters.size(),
            wrappingAdd(stats.plossone, stats.plosstwo)};
}

std::string outcomeSentence(const RoundMoment& before, const Game& game, const Stats& stats,
                            const Language& language) {
    if (!before.inPlay) {
        return {};
    }
    if (!roundInPlay(game)) {
        if (wrappingAdd(stats.plossone, stats.plosstwo) != before.losses) {
            return "You lost. Press Solution to see the phrase.";
        }
        return "You won! The phrase was " + game.solveword + ".";
    }
    for (int k = 0; k < tileCount; ++k) {
        if (before.KillLet[k] == 0 && game.KillLet[k] != 0) {
            // The letters that fold onto the tile count as it: an E finds É.
            const char letter = tileSet[k];
            const std::string tiles = folded(language, game.solveword);
            const long count = std::count(tiles.begin(), tiles.end(), letter);
            return count == 0
                       ? "No " + std::string(1, letter) + ". " + missesLeftSentence(game.numwrong)
                       : found(letter, count);
        }
    }
    if (game.numwrong != before.numwrong && game.usedletters.size() > before.usedLength) {
        return "Wrong phrase. " + missesLeftSentence(game.numwrong);
    }
    return {};
}

} // namespace tallyrope
