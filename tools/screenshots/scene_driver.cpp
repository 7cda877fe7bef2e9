// Brings a copy of the program to one of the states the screenshots show, and holds it there
// while the screen is captured from outside.
//
// Usage: scene_driver SCENE READY_FILE DONE_FILE [DPI [SCREEN]]
//   SCENE is start, midround, won, lost, console, spanish or french (a round in that
//   language), on a display
//   of DPI dots per inch (96 when not given), and on a screen of SCREEN ("1366x768") pixels of
//   its own when given. Once the scene is on screen the rectangle around the program's shown
//   windows, or the whole screen given, ("left top width height") is written to READY_FILE;
//   the program is ended when DONE_FILE appears.
#include "game_copy.h"
#include "ui/control_ids.h"
#include "waiting.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

namespace tallyrope::testing {
namespace {

void guess(const GameCopy& game, const std::string& letters) {
    for (char letter : letters) {
        game.clickControl(id::letterTile(letter - 'A'));
    }
}

const std::map<std::string, std::function<void(const GameCopy&)>> scenes = {
    {"start", [](const GameCopy&) {}},
    {"midround",
     [](const GameCopy& game) {
         game.press(id::hNewGame);
         guess(game, "ONKES");
     }},
    {"won",
     [](const GameCopy& game) {
         game.press(id::hNewGame);
         guess(game, "ONCERIABLUM");
     }},
    {"lost",
     [](const GameCopy& game) {
         game.press(id::hNewGame);
         guess(game, "ERSTDFGH");
         game.press(id::hShowWord);
     }},
    {"console",
     [](const GameCopy& game) {
         game.press(id::hConsole);
         game.type(id::hEditWord, "Spill the beans");
         game.type(id::hEditHint, "Reveal a secret");
     }},
    {"spanish",
     [](const GameCopy& game) {
         game.press(id::hNewGame);
         guess(game, "AERSLP");
     }},
    {"french",
     [](const GameCopy& game) {
         game.press(id::hNewGame);
         guess(game, "EOTNKS");
     }},
};

// The language and the one puzzle of the scenes in another language than English.
struct ForeignRound {
    const char* language;
    const char* file;
    const char* puzzle;
};
const std::map<std::string, ForeignRound> foreignRounds = {
    {"spanish",
     {"es", "TRData-es.dat",
      "ma\xF1"
      "ana ser\xE1 otro d\xED"
      "a;Hay que tener paciencia:"}},
    {"french", {"fr", "TRData-fr.dat", "petit \xE0 petit;Sans se presser:"}},
};

// The folder of a scene: one English puzzle, or for a scene in another language one puzzle of
// that language.
Files filesFor(const std::string& scene) {
    Files files = {{"TRData.dat", "once in a blue moon;Very rarely:"},
                   {"TRStats.dat", "340 4 1 120 2 3"},
                   {"TRC_CONFIG.INI", "Disable_Console= 0\r\nDisable_VCCntls= 0\r\n"}};
    const auto foreign = foreignRounds.find(scene);
    if (foreign != foreignRounds.end()) {
        files["TRLanguage.dat"] = std::string("Language= ") + foreign->second.language + "\r\n";
        files[foreign->second.file] = foreign->second.puzzle;
    }
    return files;
}

// The smallest rectangle around every shown window of the program.
RECT shownWindows(const GameCopy& game) {
    RECT around = game.screenRect(game.window(Window::Main));
    for (Window other : {Window::AddPuzzles, Window::Message}) {
        if (game.shown(other)) {
            const RECT rect = game.screenRect(game.window(other));
            UnionRect(&around, &around, &rect);
        }
    }
    return around;
}

void writeReady(const std::string& path, const RECT& rect) {
    const std::string partial = path + ".partial";
    std::ofstream(partial) << rect.left << ' ' << rect.top << ' ' << rect.right - rect.left << ' '
                           << rect.bottom - rect.top << '\n';
    std::filesystem::rename(partial, path);
}

int run(const std::string& scene, const std::string& ready, const std::string& done, int dpi,
        SIZE screen) {
    const auto found = scenes.find(scene);
    if (found == scenes.end()) {
        std::fprintf(stderr, "unknown scene %s\n", scene.c_str());
        return 2;
    }
    GameCopy game(filesFor(scene));
    if (!(screen.cx > 0 ? game.start(dpi, screen) : game.start(dpi))) {
        std::fprintf(stderr, "the program did not start\n");
        return 1;
    }
    found->second(game);
    // A Wine desktop of its own lies at the display's top left corner.
    writeReady(ready, screen.cx > 0 ? RECT{0, 0, screen.cx, screen.cy} : shownWindows(game));
    if (!waitUntil([&] { return std::filesystem::exists(done); }, 60000)) {
        std::fprintf(stderr, "the capture did not finish\n");
        return 1;
    }
    return 0;
}

} // namespace
} // namespace tallyrope::testing

int main(int argc, char** argv) {
    if (argc < 4 || argc > 6) {
        std::fprintf(stderr, "usage: scene_driver SCENE READY_FILE DONE_FILE [DPI [SCREEN]]\n");
        return 2;
    }
    SIZE screen{};
    if (argc == 6) {
        std::sscanf(argv[5], "%ldx%ld", &screen.cx, &screen.cy);
    }
    return tallyrope::testing::run(argv[1], argv[2], argv[3], argc >= 5 ? std::atoi(argv[4]) : 96,
                                   screen);
}
