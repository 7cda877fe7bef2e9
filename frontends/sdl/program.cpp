#include "frontends/sdl/program.h"

#include "app/language_choice.h"
#include "app/routing.h"
#include "app/start_up.h"
#include "frontends/sdl/data_folder.h"
#include "frontends/sdl/input.h"
#include "frontends/sdl/windows.h"

#include <SDL_image.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tallyrope {

namespace {

std::atomic<bool> closeAsked{false};

const sigset_t& closingSignals() {
    static const sigset_t signals = [] {
        sigset_t set;
        sigemptyset(&set);
        for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
            sigaddset(&set, signal);
        }
        return set;
    }();
    return signals;
}

// The event loop sleeps in SDL_WaitEvent, which a signal does not end: a thread of its own
// takes the signals and wakes the loop with an event.
void takeClosingSignals() {
    for (;;) {
        int signal = 0;
        if (sigwait(&closingSignals(), &signal) == 0) {
            closeAsked = true;
            SDL_Event event{};
            event.type = SDL_USEREVENT;
            SDL_PushEvent(&event);
        }
    }
}

// Caught rather than ignored, so that the programs this one starts get SIGPIPE as usual.
void brokenPipe(int) {}

// The earlier of two waits in milliseconds, -1 standing for none.
int earlier(int first, int second) {
    if (first < 0 || second < 0) {
        return first < 0 ? second : first;
    }
    return std::min(first, second);
}

class SdlWindowMaker final : public WindowMaker {
  public:
    explicit SdlWindowMaker(FrontEnd& frontEnd) : frontEnd_(frontEnd) {}

    bool createWindows() override { return tallyrope::createWindows(frontEnd_); }

    void showMainWindow() override {
        frontEnd_.ui.showWindow(Window::Main, true);
        paintNow(frontEnd_, Window::Main);
    }

  private:
    FrontEnd& frontEnd_;
};

} // namespace

std::vector<std::string> systemLanguages() {
    std::vector<std::string> names;
    SDL_Locale* locales = SDL_GetPreferredLocales();
    for (const SDL_Locale* locale = locales; locale != nullptr && locale->language != nullptr;
         ++locale) {
        names.push_back(std::string(locale->language) +
                        (locale->country != nullptr ? std::string("-") + locale->country : ""));
    }
    SDL_free(locales);
    return names;
}

Program::Program(const std::string& dataFolder, const std::string& guide,
                 const std::string& scaleOption, UsableBounds usableBounds)
    : frontEnd_(std::make_unique<FrontEnd>(dataFolder, guide, scaleOption, usableBounds)) {}

bool Program::start() {
    if (!frontEnd_->video.ready) {
        return false;
    }
    SdlWindowMaker windows(*frontEnd_);
    const std::vector<std::string> languages = systemLanguages();
    seedStore(startingLanguage(frontEnd_->session.paths.LanguageFile, languages).code);
    return startUp(frontEnd_->session, windows, languages);
}

void Program::seedStore(const std::string& languageCode) const {
    if (shippedFile_) {
        tallyrope::seedStore(frontEnd_->session.paths.getDrivePath, languageCode, shippedFile_);
    }
}

bool Program::handleEvents() {
    SDL_Event event;
    while (!frontEnd_->ui.runEnded() && SDL_PollEvent(&event) != 0) {
        handleEvent(*frontEnd_, event);
        // Taken once the command that offered the languages has returned.
        if (const std::optional<std::string> code = frontEnd_->ui.takeLanguageChoice()) {
            seedStore(*code);
            chooseLanguage(frontEnd_->session, *code);
            // Every window's captions speak the new language.
            for (Window window : {Window::Main, Window::AddPuzzles, Window::Message}) {
                frontEnd_->ui.screen().touch(window);
            }
        }
    }
    if (closeAsked.exchange(false) && !frontEnd_->ui.runEnded()) {
        closeRequest(frontEnd_->session, Window::Main);
    }
    if (frontEnd_->ui.runEnded()) {
        return false;
    }
    paintChanged(*frontEnd_);
    return true;
}

void Program::run() {
    while (handleEvents()) {
        // Idle, nothing wakes the program but the caret of a focused edit box and, once, the
        // closing of the audio device after the last clip.
        const int wait = earlier(millisecondsToBlink(*frontEnd_), frontEnd_->sounds.rest());
        if (wait < 0) {
            SDL_WaitEvent(nullptr);
        } else {
            SDL_WaitEventTimeout(nullptr, wait);
        }
    }
}

bool Program::saveScreenshot(const std::string& file) {
    SDL_Surface* surface = paintNow(*frontEnd_, Window::Main);
    return surface != nullptr && IMG_SavePNG(surface, file.c_str()) == 0;
}

void closeOnSignals() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Blocked before SDL starts its threads, which inherit the mask, so only the taker sees them.
    pthread_sigmask(SIG_BLOCK, &closingSignals(), nullptr);
    struct sigaction pipe {};
    pipe.sa_handler = brokenPipe;
    sigemptyset(&pipe.sa_mask);
    pipe.sa_flags = SA_RESTART;
    sigaction(SIGPIPE, &pipe, nullptr);
}

void takeSignals() {
    std::thread(takeClosingSignals).detach();
}

} // namespace tallyrope
