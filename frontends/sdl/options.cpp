#include "frontends/sdl/options.h"

namespace tallyrope {

const char* const usageText =
    "Usage: tallyrope [--data DIR] [--screenshot FILE]\n"
    "A word-guessing game for one or two players.\n"
    "\n"
    "  --data DIR         keep the statistics, the puzzles and the configuration in DIR\n"
    "  --screenshot FILE  start, save a PNG picture of the main window to FILE, then quit\n"
    "                     as the quit button does\n"
    "  --help             show this help and exit\n"
    "\n"
    "Without --data the files live beside the program when its puzzle store (OnLoad.dat)\n"
    "or working puzzle file (TRData.dat) lies there, as in a portable copy; otherwise in\n"
    "$XDG_DATA_HOME/tallyrope (by default ~/.local/share/tallyrope), which gets a copy of\n"
    "the shipped puzzle store on first start. Files there: TRStats.dat (scores),\n"
    "TRData.dat (puzzles while the game runs), OnLoad.dat (puzzles between runs) and\n"
    "TRC_CONFIG.INI (locks of the puzzle console).\n"
    "With no display the game runs on SDL's offscreen driver.\n";

bool parseOptions(int argc, const char* const* argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if ((argument == "--data" || argument == "--screenshot") && i + 1 < argc) {
            (argument == "--data" ? options.dataFolder : options.screenshot) = argv[++i];
        } else {
            error = argument == "--data" || argument == "--screenshot"
                        ? argument + " needs a value"
                        : "unknown argument: " + argument;
            return false;
        }
    }
    return true;
}

} // namespace tallyrope
