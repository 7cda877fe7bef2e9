// The Linux program's entry point.
#include "app/language_choice.h"
#include "app/routing.h"
#include "frontends/sdl/code_page.h"
#include "frontends/sdl/data_folder.h"
#include "frontends/sdl/folder_lock.h"
#include "frontends/sdl/options.h"
#include "frontends/sdl/program.h"
#include "text/catalogue.h"

#include <SDL.h>
#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace tallyrope;

namespace {

// SDL shows an X11 message box from a child process of its own: the program that waits for it
// takes it along when a kill or a Ctrl+C ends it.
pid_t boxOwner = 0;

void endWithTheBoxOwner() {
    if (boxOwner != 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != boxOwner) {
            _exit(1);
        }
    }
}

void tell(const std::string& text) {
    boxOwner = getpid();
    const int shown =
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, "Tallyrope", text.c_str(), nullptr);
    boxOwner = 0;
    if (shown != 0) {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

// The X display, else the Wayland one; nullptr when there is neither.
const char* displayName() {
    const char* x = std::getenv("DISPLAY");
    return x != nullptr ? x : std::getenv("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    std::string error;
    // The command line speaks the desktop's language.
    const std::string desktopCode = startingLanguage("", systemLanguages()).code;
    const std::string usage = toUtf8(translate(desktopCode, usageText));
    if (!parseOptions(argc, argv, options, error, desktopCode)) {
        std::fprintf(stderr, "tallyrope: %s\n%s", toUtf8(error).c_str(), usage.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(usage.c_str(), stdout);
        return 0;
    }
    pthread_atfork(nullptr, nullptr, endWithTheBoxOwner);
    const char* display = displayName();
    if (display == nullptr) {
        // Nobody can see or hear it: it draws offscreen and plays to no device.
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
    } else {
        // A display that cannot be opened (gone, or an X server resetting as its last client
        // left) ends the start with a message: SDL would otherwise go on offscreen, unseen.
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11,wayland");
    }
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_MOUSE_DOUBLE_CLICK_RADIUS, "2");

    const std::string program = programFolder();
    const std::string data = chooseDataFolder(options.dataFolder, program,
                                              std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    // Told in the language the game would start in.
    const std::string code =
        startingLanguage(Paths::inFolder(data).LanguageFile, systemLanguages()).code;
    if (!makeDataFolder(data)) {
        tell(withValues(toUtf8(translate(code, "Tallyrope cannot make its folder %s")), {data}));
        return 1;
    }
    // Taken before any file is touched: the running copy owns them.
    std::optional<FolderLock> lock(std::in_place, data);
    if (!lock->taken()) {
        tell(withValues(
            toUtf8(translate(code, "Tallyrope is already running from this folder:\n%s")), {data}));
        return 0;
    }
    // Not before: the boxes above must still end at Ctrl+C, a kill or the session's end.
    closeOnSignals();

    Program game(data, shippedFile(program, "help/pages/welcome.html"), options.scale);
    game.seedStoresFrom([&program](const std::string& name) { return shippedFile(program, name); });
    takeSignals();
    // Once the files are saved a new start may take them while this one closes its devices.
    game.frontEnd().ui.whenSaved([&lock] { lock.reset(); });
    if (!game.start()) {
        const SdlVideo& video = game.frontEnd().video;
        const std::string told =
            withValues(toUtf8(translate(code, "cannot open its windows on the display %s: %s")),
                       {display != nullptr ? display : "offscreen",
                        video.ready ? SDL_GetError() : video.error});
        std::fprintf(stderr, "tallyrope: %s\n", told.c_str());
        return 1;
    }
    if (!options.screenshot.empty()) {
        game.handleEvents();
        const bool saved = game.saveScreenshot(options.screenshot);
        closeRequest(game.frontEnd().session, Window::Main);
        return saved ? 0 : 1;
    }
    game.run();
    // Saved, unlocked and hidden. Closing the audio device waits for SDL's audio thread, which
    // PulseAudio can keep for seconds: the system closes it, and the windows, as the process ends.
    std::fflush(nullptr);
    std::_Exit(0);
}
