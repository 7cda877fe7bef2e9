#include "app/language_choice.h"

#include "editor/viewer.h"
#include "game/commands.h"
#include "game/round.h"
#include "storage/language_file.h"
#include "storage/puzzle_file.h"
#include "storage/puzzle_store.h"

namespace tallyrope {

const Language& startingLanguage(const std::string& LanguageFile,
                                 const std::vector<std::string>& systemLanguages) {
    const std::optional<std::string> chosen = readLanguageChoice(LanguageFile);
    const Language* language = chosen ? findLanguage(*chosen) : nullptr;
    return language != nullptr ? *language : preferredLanguage(systemLanguages);
}

void chooseStartingLanguage(Session& s, const std::vector<std::string>& systemLanguages) {
    s.language = &startingLanguage(s.paths.LanguageFile, systemLanguages);
    s.paths.forLanguage(s.language->code);
}

void switchLanguage(Session& s, const Language& language) {
    if (&language == s.language) {
        return;
    }
    // A stored puzzle on view belongs to the puzzles that are put away.
    abortViewing(s.viewer, s.ui, language);
    closePass(s.viewer);
    OnExits(s.paths.WordsFile, s.paths.LoadsFile);
    s.language = &language;
    s.paths.forLanguage(language.code);
    OnLoads(s.paths.LoadsFile, s.paths.WordsFile);
    // The first New Game of a run counts the puzzles; after it, the count is taken here.
    if (s.game.firstrun >= 1) {
        s.game.gRandom = countPuzzles(s.paths.WordsFile);
    }
    showLanguageTiles(s);
    newGame(s);
}

} // namespace tallyrope
