#include "game/choose_word.h"

#include "game/masking.h"
#include "storage/puzzle_file.h"

#include <ctime>

namespace tallyrope {

void ChooseWord(Session& s) {
    Game& g = s.game;
    clearRoundStrings(g);
    PuzzleFileReader puzzles(s.paths.WordsFile);
    // Counted once per run; appends and deletions keep the count in step afterwards.
    if (g.firstrun <= 1) {
        g.gRandom = puzzles.count();
    }
    if (g.gRandom > 0) {
        if (g.seedone == 0) {
            s.random.seed(static_cast<unsigned>(std::time(nullptr)));
            g.seedone = 1;
        }
        if (const std::optional<Puzzle> puzzle = puzzles.read(drawRecord(s.random, g.gRandom))) {
            buildRoundStrings(g, *s.language, puzzle->phrase, puzzle->hint);
        }
    }
    if (g.solveword.empty()) {
        s.ui.beep();
    }
}

std::int32_t drawRecord(Random& random, std::int32_t count) {
    // Taken modulo the count, the numbers above the last whole run of `count` would favour the
    // first records: they are drawn again.
    constexpr std::int64_t numbers = std::int64_t{1} << 31;
    const std::int64_t fairNumbers = numbers - numbers % count;
    for (;;) {
        const std::int64_t number = random.next();
        if (number < fairNumbers) {
            return static_cast<std::int32_t>(number % count);
        }
    }
}

} // namespace tallyrope
