#include "game/round.h"

#include "game/masking.h"
#include "game/scoring.h"
#include "state/sounds.h"
#include "ui/control_ids.h"

namespace tallyrope {

namespace {

// The part each stage adds: head, torso, arms, legs.
constexpr int figureParts[] = {id::PopSix, id::PopFiv, id::PopFor,
                               id::PopTre, id::PopTwo, id::PopOne};

void showPhrase(Session& s, const std::string& phrase) {
    s.ui.setText(Window::Main, id::hPuzzler, phrase);
}

bool tileTakesGuess(const Game& g, int k) {
    return k >= 0 && g.gameRunning == 1 && g.KillLet[k] == 0;
}

// The tile itself first, then the letters that fold onto it, in the code page's order.
std::string lettersGuessedBy(const Language& language, char tile) {
    std::string letters(1, tile);
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        if (c != tile && language.tileFor(c) == tile) {
            letters += c;
        }
    }
    return letters;
}

// What every click on the main window ends with during a round.
void settleRound(Session& s) {
    UpdateFigure(s);
    if (s.game.answer == s.game.buildword) {
        WinRound(s);
    }
}

} // namespace

void ResetAlpha(Session& s) {
    for (char tile : s.language->tiles) {
        s.ui.showControl(id::letterTile(tileIndex(tile)), true);
    }
    for (int part :
         {id::PopOne, id::PopTwo, id::PopTre, id::PopFor, id::PopFiv, id::PopSix, id::PopZero}) {
        s.ui.showControl(part, false);
    }
    s.game.KillLet.fill(0);
}

void showLanguageTiles(Session& s) {
    for (int k = 0; k < tileCount; ++k) {
        s.ui.showControl(id::letterTile(k), s.language->hasTile(tileSet[k]));
    }
}

void GuessLetter(Session& s, char letter) {
    Game& g = s.game;
    const int k = tileIndex(letter);
    s.ui.showControl(id::letterTile(k), false);
    g.KillLet[k] = 1;
    int hits = 0;
    for (char written : lettersGuessedBy(*s.language, letter)) {
        const std::string pattern(1, written);
        for (;;) {
            const std::size_t position = FindChar(g.answer, pattern, g.found);
            if (g.found == 1) {
                g.showdashes[position] = written;
                g.answer[position] = '*';
                ++hits;
            }
            showPhrase(s, g.showdashes);
            s.ui.setText(Window::Main, id::hDblDash, g.doubledash);
            if (g.found == 0) {
                break;
            }
        }
    }
    if (hits == 0) {
        g.usedletters += std::string(1, letter) + " ";
        s.ui.setText(Window::Main, id::hUsedBin, g.usedletters);
        g.numwrong = wrappingAdd(g.numwrong, 1);
        g.nowrongs = wrappingAdd(g.nowrongs, 1);
        playUnlessOff(s, Clip::Miss);
    } else {
        playUnlessOff(s, Clip::Hit);
    }
}

void UpdateFigure(Session& s) {
    const std::int32_t stage = s.game.numwrong;
    if (stage >= 1 && stage <= 6) {
        s.ui.showControl(figureParts[stage - 1], true);
    } else if (stage == 7) {
        LoseRound(s);
    }
}

void LoseRound(Session& s) {
    for (int part : figureParts) {
        s.ui.showControl(part, false);
    }
    s.ui.showControl(id::PopZero, true);
    playUnlessOff(s, Clip::Loss);
    s.game.gameRunning = 0;
    doLoses(s.game, s.stats);
    s.ui.setText(Window::Main, id::hPOneLose, s.stats.plosone());
    s.ui.setText(Window::Main, id::hPTwoLose, s.stats.plostwo());
}

void WinRound(Session& s) {
    showPhrase(s, s.game.displayword);
    s.ui.showControl(id::hPlayerWon, true);
    s.ui.showControl(id::hCawWord, true);
    playUnlessOff(s, Clip::Win);
    s.game.gameRunning = 0;
    doScores(s.game, s.stats);
    s.ui.setText(Window::Main, id::hPOneWins, s.stats.pwinone());
    s.ui.setText(Window::Main, id::hPTwoWins, s.stats.pwintwo());
    s.ui.setText(Window::Main, id::hPOneScore, s.stats.pallone());
    s.ui.setText(Window::Main, id::hPTwoScore, s.stats.palltwo());
}

bool roundInPlay(const Game& g) {
    return g.gameRunning == 1 && !g.solveword.empty();
}

void clickTiles(Session& s, Point client) {
    const Point screen = s.ui.clientToScreen(Window::Main, client);
    for (char tile : s.language->tiles) {
        const int k = tileIndex(tile);
        if (s.ui.screenRect(id::letterTile(k)).contains(screen) && tileTakesGuess(s.game, k)) {
            GuessLetter(s, tile);
        }
    }
    settleRound(s);
}

void playLetter(Session& s, char letter) {
    if (!s.language->hasTile(letter) || !tileTakesGuess(s.game, tileIndex(letter))) {
        return;
    }
    GuessLetter(s, letter);
    settleRound(s);
}

} // namespace tallyrope
