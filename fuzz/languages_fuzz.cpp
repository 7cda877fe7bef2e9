// A language's letters file and the player's choice of language from any bytes, and a round in
// the language read: a file with no problems gives a language whose every tile guesses itself
// and whose every letter folds onto a tile, so that guessing every tile wins any round; the
// choice read is a code or nothing, the same every time.
#include "fuzz_support.h"

#include "game/masking.h"
#include "storage/language_file.h"
#include "text/languages.h"

#include <vector>

namespace {

using namespace tallyrope;
using namespace tallyrope::fuzz;

void checkRound(const Language& language, const std::string& phrase) {
    Game game;
    buildRoundStrings(game, language, phrase, "hint");
    FUZZ_CHECK(game.showdashes.size() == 2 * game.solveword.size());
    for (char tile : language.tiles) {
        for (std::size_t i = 1; i < game.answer.size(); i += 2) {
            if (language.isLetter(game.answer[i]) && language.tileFor(game.answer[i]) == tile) {
                game.answer[i] = '*';
            }
        }
    }
    FUZZ_CHECK(game.answer == game.buildword);
    FUZZ_CHECK(folded(language, upperCase(language, phrase)) == folded(language, game.solveword));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    const std::string letters = input.text();
    const std::string phrase = input.text();
    const std::string choice = input.rest();

    std::vector<std::string> problems;
    const Language language = readLetters("xx", letters, tileSet, problems);
    if (problems.empty()) {
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            const char tile = language.tileFor(c);
            FUZZ_CHECK(tile == 0 || (language.tiles.find(tile) != std::string::npos &&
                                     language.hasTile(tile) && tileIndex(tile) >= 0));
            const char typed = typedTile(language, c);
            FUZZ_CHECK(typed == 0 || language.hasTile(typed));
        }
        checkRound(language, phrase);
    }
    checkRound(english(), phrase);

    const std::string path = emptyScratchFolder().path("TRLanguage.dat");
    writeBytes(path, choice);
    const std::optional<std::string> code = readLanguageChoice(path);
    FUZZ_CHECK(readLanguageChoice(path) == code);
    FUZZ_CHECK(readBytes(path) == choice);
    if (code) {
        FUZZ_CHECK(!code->empty() &&
                   code->find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJ"
                                           "KLMNOPQRSTUVWXYZ_") == std::string::npos);
    }
    return 0;
}
