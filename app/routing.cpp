#include "app/routing.h"

#include "app/language_choice.h"
#include "editor/add_puzzle.h"
#include "editor/console.h"
#include "editor/viewer.h"
#include "editor/viewer_buttons.h"
#include "game/commands.h"
#include "game/round.h"
#include "state/sounds.h"
#include "storage/language_file.h"
#include "storage/puzzle_store.h"
#include "storage/stats_file.h"
#include "text/catalogue.h"
#include "text/languages.h"
#include "ui/control_ids.h"

#include <filesystem>
#include <system_error>

namespace tallyrope {

namespace {

// The main window's title strip, in client coordinates.
constexpr Rect titleRect{0, 0, 640, 25};

// The window title by which a running help viewer is recognised, the guide's title in the
// language it is written in.
const char* const helpViewerTitle = englishText("Tallyrope Guide");

// The windows move by this many pixels per arrow key press.
constexpr int moveStep = 2;

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

void newPuzzle(Session& s) {
    // A stored puzzle on view in the console would go stale once a round draws from the file.
    abortViewing(s.viewer, s.ui, *s.language);
    newGame(s);
}

void minimizeButton(Session& s) {
    playwav2(s);
    s.ui.minimize();
}

// A guide is open in one language or another.
bool guideOpen(Session& s) {
    for (const Language& language : languages()) {
        if (s.ui.windowTitled(translate(language.code, helpViewerTitle))) {
            return true;
        }
    }
    return false;
}

// The guide in the language of `code`: the English one's file in a folder named by the code
// beside it.
std::string guideIn(const std::string& english, const std::string& code) {
    if (code == "en") {
        return english;
    }
    const std::size_t slash = english.find_last_of("/\\");
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    const char separator = slash == std::string::npos ? '/' : english[slash];
    return english.substr(0, name) + code + separator + english.substr(name);
}

void helpButton(Session& s) {
    const std::string& code = s.language->code;
    playwav1(s);
    if (guideOpen(s)) {
        s.ui.messageBox(translate(code, "terminating request... help program is currently in use."),
                        translate(code, "System - Permission Denied"), true);
        return;
    }
    // A copy without its guide in the language in play still has the English one.
    const std::string guide = guideIn(s.paths.HelpFiler, code);
    if (!s.ui.openHelp(guide) &&
        (guide == s.paths.HelpFiler || !s.ui.openHelp(s.paths.HelpFiler))) {
        s.ui.messageBox(translate(code, "Help files could not be opened..."),
                        translate(code, "Error - Tallyrope"), false);
    }
}

void languageButton(Session& s) {
    playwav1(s);
    s.ui.offerLanguages(s.language->code);
}

void quitButton(Session& s) {
    saveOnQuit(s);
    s.ui.endRun();
}

using Command = void (*)(Session&);

Command commandOf(int id) {
    switch (id) {
    case id::hNewGame:
        return newPuzzle;
    case id::hPuzzled:
        return solvePuzzle;
    case id::hShowWord:
        return showSolution;
    case id::hPlayerOne:
        return [](Session& s) { choosePlayer(s, 1); };
    case id::hPlayerTwo:
        return [](Session& s) { choosePlayer(s, 2); };
    case id::hSkillCntl:
        return switchSkill;
    case id::hResetStats:
        return resetStatsButton;
    case id::hAudioCntl:
        return switchSound;
    case id::hConsole:
        return showHideConsole;
    case id::hNoCon:
        return hideConsole;
    case id::hAddPuzzle:
        return addPuzzle;
    case id::hViewNext:
        return reviewNext;
    case id::hDelSelect:
        return deleteOnView;
    case id::hMsgOkBut:
        return closeMessage;
    case id::hMinimize:
        return minimizeButton;
    case id::hHelpMe:
        return helpButton;
    case id::hQuitGame:
        return quitButton;
    case id::hLanguage:
        return languageButton;
    default:
        return nullptr;
    }
}

} // namespace

bool runCommand(Session& s, int id) {
    const Command command = commandOf(id);
    if (command == nullptr) {
        return false;
    }
    // First, so that a command which shows another window or ends the run has the last word.
    s.ui.giveFocus(Window::Main);
    command(s);
    return true;
}

void leftButtonDown(Session& s, Window window, Point client) {
    if (window != Window::Main || titleStripClick(s, client)) {
        return;
    }
    if (roundInPlay(s.game)) {
        clickTiles(s, client);
    }
}

void arrowKey(Session& s, Arrow arrow) {
    // While the Add_Puzzles window is shown the windows stay where they are.
    if (isOdd(s.windows.HideCon)) {
        s.ui.beep();
        return;
    }
    const int dx = arrow == Arrow::Left ? -moveStep : arrow == Arrow::Right ? moveStep : 0;
    const int dy = arrow == Arrow::Up ? -moveStep : arrow == Arrow::Down ? moveStep : 0;
    // Moving down, the lower window goes first.
    const bool addPuzzlesFirst = arrow == Arrow::Down;
    s.ui.moveWindow(addPuzzlesFirst ? Window::AddPuzzles : Window::Main, dx, dy);
    s.ui.moveWindow(addPuzzlesFirst ? Window::Main : Window::AddPuzzles, dx, dy);
}

void letterKey(Session& s, char character) {
    const char tile = typedTile(*s.language, character);
    if (tile == 0 || isOdd(s.windows.HideCon) || !roundInPlay(s.game)) {
        return;
    }
    playLetter(s, tile);
}

void enterKey(Session& s, Window window, int editId) {
    if (window == Window::Main && editId == id::hSolveMe) {
        runCommand(s, id::hPuzzled);
    } else if (window == Window::AddPuzzles &&
               (editId == id::hEditWord || editId == id::hEditHint)) {
        // Not through the button: the focus stays in the box, ready for the next puzzle.
        addPuzzle(s);
    }
}

void helpKey(Session& s) {
    helpButton(s);
}

void closeRequest(Session& s, Window window) {
    switch (window) {
    case Window::Main:
        quitButton(s);
        break;
    case Window::AddPuzzles:
        // Its X can only be pressed while it shows; hiding it again would put the console's
        // switch out of step with the window.
        if (isOdd(s.windows.HideCon)) {
            hideConsole(s);
        }
        break;
    case Window::Message:
        closeMessage(s);
        break;
    }
}

void chooseLanguage(Session& s, const std::string& code) {
    const Language* language = findLanguage(code);
    if (language == nullptr) {
        return;
    }
    saveLanguageChoice(s.paths.LanguageFile, language->code);
    switchLanguage(s, *language);
}

void sessionEnds(Session& s) {
    saveOnQuit(s);
}

bool saveOnQuit(Session& s) {
    if (s.filesSaved) {
        return false;
    }
    s.filesSaved = true;
    // The viewer's stream is closed first: an open file cannot be replaced on Windows.
    closePass(s.viewer);
    const bool puzzlesSaved = OnExits(s.paths.WordsFile, s.paths.LoadsFile);
    const bool scoresSaved = saveScores(s.stats, s.paths.ScoreFile);
    return puzzlesSaved && scoresSaved;
}

bool exportFiles(const Session& s, const std::string& folder) {
    namespace fs = std::filesystem;
    const std::string store = folder + fs::path(s.paths.LoadsFile).filename().string();
    const std::string scores = folder + fs::path(s.paths.ScoreFile).filename().string();
    if (s.filesSaved) {
        // The working file holds the purge notice now; the store holds the puzzles.
        std::error_code error;
        const auto options = fs::copy_options::overwrite_existing;
        return fs::copy_file(s.paths.LoadsFile, store, options, error) &&
               fs::copy_file(s.paths.ScoreFile, scores, options, error);
    }
    return packStore(s.paths.WordsFile, store) == Transfer::Done && saveScores(s.stats, scores);
}

} // namespace tallyrope
