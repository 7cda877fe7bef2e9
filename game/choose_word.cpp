#include "game/choose_word.h"

#include "game/masking.h"
#include "storage/puzzle_file.h"

#include <ctime>

namespace tallyrope {

void ChooseWord(Session& s) {
    Game& g = s.game;
    clearRoundStrings(g);
    // Counted once per run; appends and deletions keep the count in step afterwards.
    if (g.firstrun <= 1) {
        g.gRandom = countPuzzles(s.paths.WordsFile);
    }
    if (g.gRandom > 0) {
        if (g.seedone == 0) {
            s.random.seed(static_cast<unsigned>(std::time(nullptr)));
            g.seedone = 1;
        }
        const std::int32_t k = s.random.next() % g.gRandom;
        if (const std::optional<Puzzle> puzzle = readPuzzle(s.paths.WordsFile, k)) {
            buildRoundStrings(g, puzzle->phrase, puzzle->hint);
        }
    }
    if (g.solveword.empty()) {
        s.ui.beep();
    }
}

} // namespace tallyrope
