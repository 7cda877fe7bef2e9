#include "app/start_up.h"

#include "app/language_choice.h"
#include "game/round.h"
#include "storage/config_file.h"
#include "storage/puzzle_store.h"
#include "storage/stats_file.h"
#include "storage/writable_folder.h"
#include "text/catalogue.h"
#include "ui/control_ids.h"

namespace tallyrope {

const char* const unwritableFolderMessage = englishText(
    "Tallyrope cannot create files in its folder, so your scores and the puzzles you add will "
    "not be kept. Move the game to a folder you can write to.");

void showSavedScores(Session& s) {
    loadScores(s.stats, s.paths.ScoreFile);
    const Stats& st = s.stats;
    s.ui.setText(Window::Main, id::hPOneLose, st.plosone());
    s.ui.setText(Window::Main, id::hPTwoLose, st.plostwo());
    s.ui.setText(Window::Main, id::hPOneWins, st.pwinone());
    s.ui.setText(Window::Main, id::hPTwoWins, st.pwintwo());
    s.ui.setText(Window::Main, id::hPOneScore, st.pallone());
    s.ui.setText(Window::Main, id::hPTwoScore, st.palltwo());
}

bool startUp(Session& s, WindowMaker& windows, const std::vector<std::string>& systemLanguages) {
    chooseStartingLanguage(s, systemLanguages);
    // Said before anything is played: otherwise scores and added puzzles vanish unnoticed.
    if (!canCreateFilesIn(s.paths.getDrivePath)) {
        s.ui.messageBox(translate(s.language->code, unwritableFolderMessage), "Tallyrope", true);
    }
    OnLoads(s.paths.LoadsFile, s.paths.WordsFile);
    if (!windows.createWindows()) {
        return false;
    }
    showLanguageTiles(s);
    showSavedScores(s);
    windows.showMainWindow();
    Userchoice(s.settings, s.paths.TimerFile);
    return true;
}

} // namespace tallyrope
