#include "frontends/web/outcome.h"

#include "game/round.h"
#include "text/catalogue.h"

#include <algorithm>

namespace tallyrope {

namespace {

// Seven figure stages lose a round.
constexpr std::int32_t lostStage = 7;

std::string missesLeftSentence(const std::string& code, std::int32_t numwrong) {
    const std::int32_t left = lostStage - numwrong;
    return withValues(translatePlural(code, "%d miss left.", "%d misses left.", left),
                      {std::to_string(left)});
}

std::string found(const std::string& code, char letter, long count) {
    return withValues(translatePlural(code, "%1$s is in the phrase once.",
                                      "%1$s is in the phrase %2$d times.", count),
                      {std::string(1, letter), std::to_string(count)});
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
    const std::string& code = language.code;
    if (!roundInPlay(game)) {
        if (wrappingAdd(stats.plossone, stats.plosstwo) != before.losses) {
            return translate(code, "You lost. Press Solution to see the phrase.");
        }
        return withValues(translate(code, "You won! The phrase was %s."), {game.solveword});
    }
    for (int k = 0; k < tileCount; ++k) {
        if (before.KillLet[k] == 0 && game.KillLet[k] != 0) {
            // The letters that fold onto the tile count as it: an E finds É.
            const char letter = tileSet[k];
            const std::string tiles = folded(language, game.solveword);
            const long count = std::count(tiles.begin(), tiles.end(), letter);
            return count == 0 ? withValues(translate(code, "No %s."), {std::string(1, letter)}) +
                                    " " + missesLeftSentence(code, game.numwrong)
                              : found(code, letter, count);
        }
    }
    if (game.numwrong != before.numwrong && game.usedletters.size() > before.usedLength) {
        return std::string(translate(code, "Wrong phrase.")) + " " +
               missesLeftSentence(code, game.numwrong);
    }
    return {};
}

} // namespace tallyrope
