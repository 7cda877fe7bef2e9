// The state of the rules: counters, switches and the round strings of the puzzle in play.
#pragma once

#include "text/languages.h"

#include <array>
#include <cstdint>
#include <string>

namespace tallyrope {

struct Game {
    std::int32_t gameRunning = 0; // 1 while a round runs
    std::int32_t numwrong = 0;    // figure stage, 0 to 7; 7 is a lost round
    std::int32_t nowrongs = 0;    // misses of this round, without the hard-skill start
    std::int32_t difficulty = 0;  // odd: hard skill
    std::int32_t firstrun = 0;    // New Game commands in this run
    std::int32_t gRandom = 0;     // drawable puzzles
    std::int32_t seedone = 0;     // 1 once the generator is seeded
    std::int32_t found = 0;       // result of the last FindChar
    std::int32_t playertype = 1;  // the player credited with the round: 1 or 2
    // 1 once the tile's letter is guessed in this round, by the tile's place in tileSet.
    std::array<std::int32_t, tileCount> KillLet{};

    std::string solveword;   // the upper-case phrase
    std::string displayword; // the spaced upper-case phrase
    std::string answer;      // spaced; each found letter becomes "*"
    std::string buildword;   // spaced, every letter "*": what answer becomes when all are found
    std::string showdashes;  // spaced, letters "_" until found
    std::string doubledash;  // showdashes as first built
    std::string grabhint;    // the hint as stored
    std::string usedletters; // missed letters and "#" for wrong solve attempts, each + " "
};

// Counters wrap around like the 32-bit registers they stand for.
inline std::int32_t wrappingAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

inline bool isOdd(std::int32_t value) {
    return value % 2 != 0;
}

} // namespace tallyrope
