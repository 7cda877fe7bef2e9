// What a guess did, in the sentence a screen reader says after it.
#pragma once

#include "state/game.h"
#include "state/stats.h"

#include <array>
#include <cstdint>
#include <string>

namespace tallyrope {

// The parts of a round that tell what a guess did.
struct RoundMoment {
    bool inPlay = false;
    std::int32_t numwrong = 0;
    std::array<std::int32_t, tileCount> KillLet{};
    std::size_t usedLength = 0;
    std::int32_t losses = 0;
};

RoundMoment momentOf(const Game& game, const Stats& stats);

// The misses the round in play still allows; -1 between rounds.
std::int32_t missesLeft(const Game& game);

// The sentence for what happened between `before` and now, in a round of `language`; empty
// when no guess was made.
std::string outcomeSentence(const RoundMoment& before, const Game& game, const Stats& stats,
                            const Language& language);

} // namespace tallyrope
