// One run of the Linux program, from start-up to the end of its event loop.
#pragma once

#include "frontends/sdl/front_end.h"

#include <functional>
#include <memory>
#include <string>

namespace tallyrope {

// The languages of the desktop session in the player's order, as SDL reads them from LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG, with or without SDL started: "fr-FR".
std::vector<std::string> systemLanguages();

class Program {
  public:
    // The data files live in `dataFolder` (ending with '/'); `guide` is the help's first page;
    // `scaleOption` is --scale's value, empty to take the desktop's; `usableBounds` reads the
    // display's area that the main window must fit.
    Program(const std::string& dataFolder, const std::string& guide, const std::string& scaleOption,
            UsableBounds usableBounds = SDL_GetDisplayUsableBounds);

    // Where the stores the program ships are found by name, so that a language played for the
    // first time in the data folder starts with its shipped puzzles.
    void seedStoresFrom(std::function<std::string(const std::string& name)> shippedFile) {
        shippedFile_ = std::move(shippedFile);
    }

    // Starts the run in the Windows program's order, in the player's or the desktop's language;
    // false when the windows cannot be made.
    bool start();
    // Handles every waiting event, then paints what changed; false once the run has ended.
    bool handleEvents();
    // Waits for and handles events until the run ends, or a signal asks it to.
    void run();
    // Saves a picture of the main window as a PNG file; false when that failed.
    bool saveScreenshot(const std::string& file);

    FrontEnd& frontEnd() { return *frontEnd_; }

  private:
    void seedStore(const std::string& languageCode) const;

    // The windows keep no pointer to it, but its parts must not move.
    std::unique_ptr<FrontEnd> frontEnd_;
    std::function<std::string(const std::string& name)> shippedFile_;
};

// SIGTERM, SIGHUP and SIGINT will ask the running program to close as its main window's close
// request does, once takeSignals() runs; until then they wait. A write to a connection whose other
// end is gone (an X server that resets, a pipe nobody reads) fails instead of ending the program.
// Called before SDL starts, from the thread that runs the program.
void closeOnSignals();
// Starts the thread that takes the signals. Called once SDL's video is up: setting it up may fork
// the process to launch a D-Bus session bus, which is safe only while it has a single thread.
void takeSignals();

} // namespace tallyrope
