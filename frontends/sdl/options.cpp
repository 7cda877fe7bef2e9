#include "frontends/sdl/options.h"

#include "frontends/sdl/scale.h"
#include "text/catalogue.h"

namespace tallyrope {

const char* const usageText = englishText(
    "Usage: tallyrope [--data DIR] [--scale F] [--screenshot FILE]\n"
    "A word-guessing game for one or two players.\n"
    "\n"
    "  --data DIR         keep the statistics, the puzzles and the configuration in DIR\n"
    "  --scale F          draw everything F times as large, F from 1 to 4 (1.5, say)\n"
    "  --screenshot FILE  start, save a PNG picture of the main window to FILE at the\n"
    "                     scale in use, then quit as the quit button does\n"
    "  --help             show this help and exit\n"
    "\n"
    "Without --data the files live beside the program when its puzzle store (OnLoad.dat)\n"
    "or working puzzle file (TRData.dat) lies there, as in a portable copy; otherwise in\n"
    "$XDG_DATA_HOME/tallyrope (by default ~/.local/share/tallyrope), which gets a copy of a\n"
    "language's shipped puzzle store the first time it is played. Files there: TRStats.dat\n"
    "(scores), TRData.dat (puzzles while the game runs), OnLoad.dat (puzzles between runs),\n"
    "the same for each other language (TRData-de.dat, OnLoad-de.dat...), TRLanguage.dat\n"
    "(the language chosen) and TRC_CONFIG.INI (locks of the puzzle console).\n"
    "The first start plays in the desktop's language, from LANGUAGE or LANG.\n"
    "Without --scale the scale is the desktop's: GDK_SCALE (times GDK_DPI_SCALE above 1),\n"
    "GDK_DPI_SCALE, QT_SCALE_FACTOR, the X resource Xft.dpi (96 is 1) or the display's\n"
    "DPI, the first that is set; under Wayland the compositor scales the windows itself.\n"
    "A scale whose main window would not fit the display's usable area is stepped down\n"
    "to the largest that fits, never below 1.\n"
    "With no display the game runs on SDL's offscreen driver.\n");

bool parseOptions(int argc, const char* const* argv, Options& options, std::string& error,
                  const std::string& code) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--data" || argument == "--screenshot" || argument == "--scale") {
            if (i + 1 == argc) {
                error = withValues(translate(code, "%s needs a value"), {argument});
                return false;
            }
            (argument == "--data"         ? options.dataFolder
             : argument == "--screenshot" ? options.screenshot
                                          : options.scale) = argv[++i];
        } else {
            error = withValues(translate(code, "unknown argument: %s"), {argument});
            return false;
        }
    }
    int percent = 0;
    if (!options.scale.empty() && !parseScale(options.scale, percent)) {
        error = withValues(translate(code, "--scale takes a number from 1 to 4, not %s"),
                           {options.scale});
        return false;
    }
    return true;
}

} // namespace tallyrope
