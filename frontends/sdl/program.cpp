#include "frontends/sdl/program.h"

#include "app/routing.h"
#include "app/start_up.h"
#include "frontends/sdl/input.h"
#include "frontends/sdl/windows.h"

#include <SDL_image.h>

#include <csignal>

namespace tallyrope {

namespace {

volatile std::sig_atomic_t closeAsked = 0;

void askToClose(int) {
    closeAsked = 1;
}

// Events are waited for this long at most, so that the caret blinks and signals are seen.
constexpr int waitMilliseconds = 50;

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

Program::Program(const std::string& dataFolder, const std::string& guide,
                 const std::string& scaleOption)
    : frontEnd_(std::make_unique<FrontEnd>(dataFolder, guide, scaleOption)) {}

bool Program::start() {
    if (!frontEnd_->video.ready) {
        return false;
    }
    SdlWindowMaker windows(*frontEnd_);
    return startUp(frontEnd_->session, windows);
}

bool Program::handleEvents() {
    SDL_Event event;
    while (!frontEnd_->ui.runEnded() && SDL_PollEvent(&event) != 0) {
        handleEvent(*frontEnd_, event);
    }
    if (closeAsked != 0 && !frontEnd_->ui.runEnded()) {
        closeAsked = 0;
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
        SDL_WaitEventTimeout(nullptr, waitMilliseconds);
    }
}

bool Program::saveScreenshot(const std::string& file) {
    SDL_Surface* surface = paintNow(*frontEnd_, Window::Main);
    return surface != nullptr && IMG_SavePNG(surface, file.c_str()) == 0;
}

void closeOnSignals() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    struct sigaction action {};
    action.sa_handler = askToClose;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        sigaction(signal, &action, nullptr);
    }
}

} // namespace tallyrope
