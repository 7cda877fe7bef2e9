#include "ui/routing.h"

#include "editor/add_puzzle.h"
#include "editor/console.h"
#include "editor/viewer_buttons.h"
#include "game/commands.h"
#include "game/round.h"
#include "game/sounds.h"
#include "storage/puzzle_store.h"
#include "storage/stats_file.h"
#include "ui/control_ids.h"

namespace tallyrope {

namespace {

// The main window's title strip, in client coordinates.
constexpr Rect titleRect{0, 0, 640, 25};

// The first click on the title strip between rounds tells how to move the windows.
bool titleStripClick(Session& s, Point client) {
    if (s.game.gameRunning != 0 || s.windows.movwindow != 0 || isOdd(s.windows.HideCon) ||
        !titleRect.contains(client)) {
        return false;
    }
    s.ui.beep();
    s.ui.showWindow(Window::Message, true);
    s.windows.movwindow = 1;
    return true;
}

void closeMessage(Session& s) {
    playwav1(s);
    s.ui.showWindow(Window::Message, false);
}

} // namespace

bool runCommand(Session& s, int id) {
    switch (id) {
    case id::hNewGame:
        newGame(s);
        return true;
    case id::hPuzzled:
        solvePuzzle(s);
        return true;
    case id::hShowWord:
        showSolution(s);
        return true;
    case id::hPlayerOne:
        choosePlayer(s, 1);
        return true;
    case id::hPlayerTwo:
        choosePlayer(s, 2);
        return true;
    case id::hSkillCntl:
        switchSkill(s);
        return true;
    case id::hResetStats:
        resetStatsButton(s);
        return true;
    case id::hAudioCntl:
        switchSound(s);
        return true;
    case id::hConsole:
        showHideConsole(s);
        return true;
    case id::hNoCon:
        hideConsole(s);
        return true;
    case id::hAddPuzzle:
        addPuzzle(s);
        return true;
    case id::hViewNext:
        reviewNext(s);
        return true;
    case id::hDelSelect:
        deleteOnView(s);
        return true;
    case id::hMsgOkBut:
        closeMessage(s);
        return true;
    default:
        return false;
    }
}

void leftButtonDown(Session& s, Window window, Point client) {
    if (window != Window::Main || titleStripClick(s, client)) {
        return;
    }
    if (s.game.gameRunning == 1 && !s.game.solveword.empty()) {
        clickTiles(s, client);
    }
}

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

bool saveOnQuit(Session& s) {
    // The viewer's stream is closed first: an open file cannot be replaced on Windows.
    closePass(s.viewer);
    const bool puzzlesSaved = OnExits(s.paths.WordsFile, s.paths.LoadsFile);
    const bool scoresSaved = saveScores(s.stats, s.paths.ScoreFile);
    return puzzlesSaved && scoresSaved;
}

} // namespace tallyrope
