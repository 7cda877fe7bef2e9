// The functions the page calls: start-up, and each click, key and close request handed on to
// the routing. After each one the page hears what a guess did, how the sound switch stands and
// which player the round is credited to.
#include "app/language_choice.h"
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
#include "text/catalogue.h"
#include "ui/caption_table.h"
#include "ui/control_ids.h"
#include "ui/control_names.h"
#include "ui/control_table.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

using namespace tallyrope;

namespace {

// The page mounts its persistent storage here and puts an imported file at importFile.
constexpr char dataFolder[] = "/tallyrope/";
constexpr char importFile[] = "/import/puzzles";
constexpr char importPlain[] = "/import/TRData.plain";
constexpr char exportFolder[] = "/export/";
constexpr char guidePage[] = "help/pages/welcome.html";

const char* const refusedImport =
    englishText("This file is neither a Tallyrope puzzle store (OnLoad.dat) nor a puzzle database "
                "(TRData.dat). Nothing was changed.");

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
const Language* languageTold = nullptr;

// navigator.languages, in the browser's order.
std::vector<std::string> browserLanguages() {
    char* joined = tr_page_systemLanguages();
    std::vector<std::string> names;
    std::string name;
    for (const char* c = joined; *c != '\0'; ++c) {
        if (*c == ',') {
            names.push_back(name);
            name.clear();
        } else {
            name += *c;
        }
    }
    if (!name.empty()) {
        names.push_back(name);
    }
    std::free(joined);
    return names;
}

int rgb(CaptionColour colour) {
    return colour.red << 16 | colour.green << 8 | colour.blue;
}

// The desktop picture's captions, in the language in play, for the page to write over its
// pictures.
void tellCaptions(const Language& language) {
    int index = 0;
    for (const CaptionRow& row : captionTable()) {
        const int fields[] = {static_cast<int>(row.window),
                              row.control,
                              row.box.left,
                              row.box.top,
                              row.box.right,
                              row.box.bottom,
                              static_cast<int>(row.face),
                              row.pixelSize,
                              static_cast<int>(row.align),
                              static_cast<int>(row.anchor),
                              static_cast<int>(row.y * 100),
                              rgb(row.ink),
                              row.shadowed ? 1 : 0,
                              rgb(row.shadow),
                              row.lines,
                              row.lineStep,
                              row.smallestSize};
        const std::string text = captionText(row, language.code);
        const std::string lead = row.lead != nullptr ? translate(language.code, row.lead) : "";
        tr_page_caption(index++, fields, text.data(), static_cast<int>(text.size()), lead.data(),
                        static_cast<int>(lead.size()));
    }
}

void tellLanguage(const Language& language, bool soundOn) {
    if (&language != languageTold) {
        languageTold = &language;
        tellCaptions(language);
        for (const ControlRow& row : controlTable()) {
            const std::string name = controlName(row.id, soundOn, language.code);
            if (!name.empty()) {
                tr_page_nameControl(row.id, name.data(), static_cast<int>(name.size()));
            }
        }
        tr_page_languageInPlay(languageIndex(language), language.tiles.data(),
                               static_cast<int>(language.tiles.size()));
    }
}

void tellSoundSwitch(bool on, const Language& language) {
    const std::string name = controlName(id::hAudioCntl, on, language.code);
    tr_page_soundSwitch(on ? 1 : 0, name.data(), static_cast<int>(name.size()));
}

template <typename Step> void reported(Step step) {
    if (!run) {
        return;
    }
    Session& s = run->session;
    const RoundMoment before = momentOf(s.game, s.stats);
    step(s);
    const std::string sentence = outcomeSentence(before, s.game, s.stats, *s.language);
    const std::int32_t left = missesLeft(s.game);
    if (!sentence.empty()) {
        const bool ended = before.inPlay && left < 0;
        tr_page_announce(sentence.data(), static_cast<int>(sentence.size()), ended ? 1 : 0);
    }
    tellLanguage(*s.language, s.settings.soundOn());
    tellSoundSwitch(s.settings.soundOn(), *s.language);
    tr_page_playerChosen(s.game.playertype);
    tr_page_roundState(left);
}

Window windowOf(int number) {
    return number == 1 ? Window::AddPuzzles : number == 2 ? Window::Message : Window::Main;
}

} // namespace

extern "C" {

// The language the next start will be in, by its place among the shipped ones: the page has
// its puzzles fetched before the start unscrambles them.
EMSCRIPTEN_KEEPALIVE int tr_startingLanguage() {
    return languageIndex(startingLanguage(webPaths().LanguageFile, browserLanguages()));
}

EMSCRIPTEN_KEEPALIVE int tr_start() {
    const std::vector<Language>& shipped = languages();
    for (std::size_t i = 0; i < shipped.size(); ++i) {
        tr_page_addLanguage(static_cast<int>(i), shipped[i].code.c_str(), shipped[i].name.data(),
                            static_cast<int>(shipped[i].name.size()));
    }
    run = std::make_unique<Run>();
    languageTold = nullptr;
    PageWindowMaker windows(run->ui);
    const bool started = startUp(run->session, windows, browserLanguages());
    tellLanguage(*run->session.language, true);
    tellSoundSwitch(true, *run->session.language);
    tr_page_playerChosen(run->session.game.playertype);
    tr_page_roundState(missesLeft(run->session.game));
    return started ? 1 : 0;
}

// The code of the shipped language `index`: "de", "pt_BR".
EMSCRIPTEN_KEEPALIVE const char* tr_languageCode(int index) {
    return languages()[static_cast<std::size_t>(index)].code.c_str();
}

// A file of the shipped language `index` in the data folder: its store, or with `working` its
// working file, which the page looks for before it fetches the store the game ships.
EMSCRIPTEN_KEEPALIVE const char* tr_languageFile(int index, int working) {
    static std::string name;
    const Paths paths = Paths::inFolder("", languages()[static_cast<std::size_t>(index)].code);
    name = working != 0 ? paths.WordsFile : paths.LoadsFile;
    return name.c_str();
}

// The shipped language in play, by its place.
EMSCRIPTEN_KEEPALIVE int tr_languageInPlay() {
    return run ? languageIndex(*run->session.language) : 0;
}

// The player chose the shipped language `index`, whose puzzles the page has fetched.
EMSCRIPTEN_KEEPALIVE void tr_chooseLanguage(int index) {
    const std::vector<Language>& shipped = languages();
    if (index >= 0 && index < static_cast<int>(shipped.size())) {
        reported(
            [&](Session& s) { chooseLanguage(s, shipped[static_cast<std::size_t>(index)].code); });
    }
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

// Export: the store and the statistics as a quit would leave them, written into exportFolder
// for the page to hand over; the round goes on. 1 when both were written.
EMSCRIPTEN_KEEPALIVE int tr_exportFiles() {
    std::error_code ignored;
    std::filesystem::create_directory(exportFolder, ignored);
    return run && exportFiles(run->session, exportFolder) ? 1 : 0;
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
        run->ui.messageBox(translate(run->session.language->code, refusedImport), "Tallyrope",
                           true);
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
