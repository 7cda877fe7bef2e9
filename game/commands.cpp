#include "game/commands.h"

#include "game/choose_word.h"
#include "game/masking.h"
#include "game/round.h"
#include "game/scoring.h"
#include "state/sounds.h"
#include "text/catalogue.h"
#include "ui/control_ids.h"

namespace tallyrope {

namespace {

const std::string emptyBin(28, ' ');

void showHardStart(Session& s, bool shown) {
    s.ui.showControl(id::PopFiv, shown);
    s.ui.showControl(id::PopSix, shown);
}

} // namespace

void newGame(Session& s) {
    Game& g = s.game;
    s.ui.showControl(id::hPlayerWon, false);
    s.ui.showControl(id::hCawWord, false);
    g.gameRunning = 1;
    ResetAlpha(s);
    g.numwrong = 0;
    g.nowrongs = 0;
    g.firstrun = wrappingAdd(g.firstrun, 1);
    playUnlessOff(s, Clip::NewRound);
    if (g.firstrun > 1 && isOdd(g.difficulty)) {
        showHardStart(s, true);
        g.numwrong = 2;
    }
    s.ui.giveFocus(Window::Main);
    ChooseWord(s);
    s.ui.setText(Window::Main, id::hPuzzler, g.showdashes);
    s.ui.setText(Window::Main, id::hDblDash, g.doubledash);
    s.ui.setText(Window::Main, id::hUsedBin, emptyBin);
    s.ui.setText(Window::Main, id::hGiveHint, g.grabhint);
    s.ui.emptyEdit(Window::Main, id::hSolveMe);
    if (g.solveword.empty()) {
        const std::string& code = s.language->code;
        s.ui.setText(
            Window::Main, id::hPuzzler,
            translate(code, "ERROR! NO PUZZLE PHRASES - DATABASE/FILE APPEARS TO BE MISSING"));
        s.ui.setText(Window::Main, id::hGiveHint, translate(code, "No data"));
    }
}

void solvePuzzle(Session& s) {
    Game& g = s.game;
    if (g.gameRunning == 0) {
        s.ui.beep();
        return;
    }
    playwav1(s);
    const std::string attempt = s.ui.readText(Window::Main, id::hSolveMe);
    if (attempt.empty() || g.solveword.empty()) {
        return;
    }
    // Accents may be left out: "ete" solves ETE with its accents; a letter of its own, such as
    // Spanish Ñ, may not.
    const Language& language = *s.language;
    if (folded(language, upperCase(language, attempt)) == folded(language, g.solveword)) {
        WinRound(s);
        return;
    }
    playUnlessOff(s, Clip::Miss);
    g.usedletters += "# ";
    s.ui.setText(Window::Main, id::hUsedBin, g.usedletters);
    g.numwrong = wrappingAdd(g.numwrong, 1);
    g.nowrongs = wrappingAdd(g.nowrongs, 1);
    UpdateFigure(s);
}

void showSolution(Session& s) {
    if (s.game.numwrong != 7) {
        s.ui.beep();
        return;
    }
    playwav1(s);
    s.ui.giveFocus(Window::Main);
    s.ui.setText(Window::Main, id::hPuzzler, s.game.displayword);
    s.game.numwrong = 0;
}

void choosePlayer(Session& s, std::int32_t player) {
    const Game& g = s.game;
    const bool noMissYet = g.numwrong == 0 || (g.numwrong == 2 && isOdd(g.difficulty));
    if (g.gameRunning == 0 || (g.gameRunning == 1 && noMissYet)) {
        playwav1(s);
        s.game.playertype = player;
        s.ui.giveFocus(Window::Main);
    }
}

void switchSkill(Session& s) {
    Game& g = s.game;
    const bool betweenRounds = g.gameRunning == 0 && g.firstrun >= 1;
    const bool beforeFirstMiss = g.gameRunning == 1 && g.nowrongs == 0;
    if (!betweenRounds && !beforeFirstMiss) {
        return;
    }
    playwav1(s);
    const bool toHard = !isOdd(g.difficulty);
    s.ui.setText(Window::Main, id::hPlySmarts, toHard ? "5" : "7");
    if (beforeFirstMiss) {
        showHardStart(s, toHard);
        g.numwrong = toHard ? 2 : 0;
    }
    g.difficulty = wrappingAdd(g.difficulty, 1);
    s.ui.giveFocus(Window::Main);
}

void resetStatsButton(Session& s) {
    const Stats& st = s.stats;
    const std::int32_t player = s.game.playertype;
    if ((player == 1 && st.pscoreone > 0) || (player == 2 && st.pscoretwo > 0)) {
        playwav1(s);
        resetStats(s.stats, player);
        if (player == 1) {
            s.ui.setText(Window::Main, id::hPOneLose, st.plosone());
            s.ui.setText(Window::Main, id::hPOneWins, st.pwinone());
            s.ui.setText(Window::Main, id::hPOneScore, st.pallone());
        } else {
            s.ui.setText(Window::Main, id::hPTwoLose, st.plostwo());
            s.ui.setText(Window::Main, id::hPTwoWins, st.pwintwo());
            s.ui.setText(Window::Main, id::hPTwoScore, st.palltwo());
        }
    } else {
        s.ui.beep();
    }
    s.ui.giveFocus(Window::Main);
}

void switchSound(Session& s) {
    playwav1(s);
    s.settings.audioset = wrappingAdd(s.settings.audioset, 1);
    s.ui.giveFocus(Window::Main);
}

} // namespace tallyrope
