// Everything one run of the program holds, and the paths of its files.
#pragma once

#include "state/game.h"
#include "state/random.h"
#include "state/settings.h"
#include "state/stats.h"
#include "state/viewer.h"
#include "ui/ui.h"

#include <cstdint>
#include <string>
#include <utility>

namespace tallyrope {

struct Paths {
    std::string getDrivePath; // the program's folder, with its trailing separator
    std::string HelpFiler;
    std::string ScoreFile;
    std::string WordsFile;
    std::string TimerFile;
    std::string LoadsFile;
    std::string LanguageFile; // the player's choice of language

    // The paths of the files in `folder`, which ends with its separator (or is empty). English
    // puzzles are kept in TRData.dat and OnLoad.dat, another language's beside them in files
    // named for it: TRData-de.dat and OnLoad-de.dat.
    static Paths inFolder(const std::string& folder, const std::string& languageCode = "en");

    // The same folder's files for the puzzles of another language.
    void forLanguage(const std::string& languageCode);
};

// Window state that the rules look at.
struct WindowState {
    std::int32_t HideCon = 0;   // odd while the Add_Puzzles window is shown
    std::int32_t movwindow = 0; // title-strip clicks that opened the message window
};

struct Session {
    Session(Ui& ui, Random& random, Paths paths)
        : ui(ui), random(random), paths(std::move(paths)) {}

    Ui& ui;
    Random& random;
    Paths paths;
    const Language* language = &english(); // of the puzzles in play
    Game game;
    Stats stats;
    Settings settings;
    Viewer viewer;
    WindowState windows;
    // Set once the quit's saving steps have run: a second run would scramble the purge notice
    // into the store.
    bool filesSaved = false;
};

} // namespace tallyrope
