// The functions the page calls: start-up, and each click, key and close request handed on to
// the routing. After each one the page hears what a guess did, how the sound switch stands and
// which player the round is credited to.
#include "app/routing.h"
#include "app/start_up.h"
#include "frontends/web/configuration_import.h"
#include "frontends/web/outcome.h"
#include "frontends/web/page_calls.h"
#include "frontends/web/page_window_maker.h"
#include "frontends/web/puzzle_import.h"
#include "frontends/web/web_ui.h"
#include "storage/puzzle_store.h"
#include "storage/text_file.h"
#include "ui/control_ids.h"
#include "ui/control_names.h"

#include <emscripten/emscripten.h>

#include <memory>

using namespace tallyrope;

namespace {

// The page mounts its persistent storage here and puts an imported file at importFile.
constexpr char dataFolder[] = "/tallyrope/";
constexpr char importFile[] = "/import/puzzles";
constexpr char importPlain[] = "/import/TRData.plain";
constexpr char guidePage[] = "help/pages/welcome.html";

const char* const refusedImport =
    "This file is neither a Tallyrope puzzle store (OnLoad.dat) nor a puzzle database "
    "(TRData.dat). Nothing was changed.";

// What tr_checkImport finds in the imported file.
enum ImportKind { refused = 0, puzzles = 1, consoleLocks = 2 };

Paths webPaths() {
    Paths paths = Paths::inFolder(dataFolder);
    paths.HelpFiler = guidePage;
    return paths;
}

struct Run {
    WebUi ui;
    MersenneRandom random;
    Session session{ui, random, webPaths()};
};

std::unique_ptr<Run> run;

void tellSoundSwitch(bool on) {
    tr_page_soundSwitch(on ? 1 : 0, controlName(id::hAudioCntl, on));
}

template <typename Step> void reported(Step step) {
    if (!run) {
        return;
    }
    Session& s = run->session;
    const RoundMoment before = momentOf(s.game, s.stats);
    step(s);
    const std::string sentence = outcomeSentence(before, s.game, s.stats);
    if (!sentence.empty()) {
        tr_page_announce(sentence.data(), static_cast<int>(sentence.size()));
    }
    tellSoundSwitch(s.settings.soundOn());
    tr_page_playerChosen(s.game.playertype);
}

Window windowOf(int number) {
    return number == 1 ? Window::AddPuzzles : number == 2 ? Window::Message : Window::Main;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int tr_start() {
    run = std::make_unique<Run>();
    PageWindowMaker windows(run->ui);
    const bool started = startUp(run->session, windows);
    tellSoundSwitch(true);
    tr_page_playerChosen(run->session.game.playertype);
    return started ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int tr_runCommand(int id) {
    bool known = false;
    reported([&](Session& s) { known = runCommand(s, id); });
    return known ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void tr_leftButtonDown(int window, int x, int y) {
    reported([&](Session& s) { leftButtonDown(s, windowOf(window), {x, y}); });
}

// 0 left, 1 up, 2 right, 3 down.
EMSCRIPTEN_KEEPALIVE void tr_arrowKey(int arrow) {
    reported([&](Session& s) { arrowKey(s, static_cast<Arrow>(arrow)); });
}

EMSCRIPTEN_KEEPALIVE void tr_letterKey(int character) {
    reported([&](Session& s) { letterKey(s, static_cast<char>(character)); });
}

EMSCRIPTEN_KEEPALIVE void tr_enterKey(int window, int editId) {
    reported([&](Session& s) { enterKey(s, windowOf(window), editId); });
}

EMSCRIPTEN_KEEPALIVE void tr_helpKey() {
    reported([](Session& s) { helpKey(s); });
}

EMSCRIPTEN_KEEPALIVE void tr_closeRequest(int window) {
    reported([&](Session& s) { closeRequest(s, windowOf(window)); });
}

EMSCRIPTEN_KEEPALIVE void tr_sessionEnds() {
    reported([](Session& s) { sessionEnds(s); });
}

// Whether the file at importFile holds puzzles or the console's locks (a TRC_CONFIG.INI); says
// so in a box when it holds neither.
EMSCRIPTEN_KEEPALIVE int tr_checkImport() {
    if (unpackImport(importFile, importPlain)) {
        return puzzles;
    }
    if (yieldsBothLocks(importFile)) {
        return consoleLocks;
    }
    if (run) {
        run->ui.messageBox(refusedImport, "Tallyrope", true);
    }
    return refused;
}

// After tr_checkImport: keeps the scores as a quit does, then the checked puzzles become the
// store and the next start unscrambles them.
EMSCRIPTEN_KEEPALIVE int tr_replacePuzzles() {
    if (!run) {
        return 0;
    }
    Session& s = run->session;
    saveOnQuit(s);
    const bool stored = packStore(importPlain, s.paths.LoadsFile) == Transfer::Done;
    return stored && writeTextFileSafely(s.paths.WordsFile, purgeNotice) ? 1 : 0;
}
}
