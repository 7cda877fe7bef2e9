// The screen and speaker operations of the rules, over SDL windows, the screen state that the
// drawing shows, and SDL_mixer.
#pragma once

#include "frontends/sdl/scale.h"
#include "frontends/sdl/screen_state.h"
#include "ui/ui.h"

#include <SDL.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace tallyrope {

class Fonts;
class SoundPlayer;

class SdlUi final : public Ui {
  public:
    // Moves windows by table pixels at `scale`.
    SdlUi(const Fonts& fonts, SoundPlayer& sounds, Scale scale);

    // Each window once it exists; until then it is neither shown nor moved.
    void attach(Window window, SDL_Window* handle);
    SDL_Window* handle(Window window) const;
    // Which of the three windows has SDL id `windowId`; false when none.
    bool windowOf(Uint32 windowId, Window& window) const;
    bool runEnded() const { return runEnded_; }
    // Called once the quit's saving steps are done, before the windows are hidden.
    void whenSaved(std::function<void()> saved) { saved_ = std::move(saved); }

    ScreenState& screen() { return screen_; }
    const ScreenState& screen() const { return screen_; }
    // The control of `window` at a client point that takes the pointer: a button or an edit
    // box; 0 over the background and the statics, which let clicks through to the window.
    int controlAt(Window window, Point client) const;
    // The whole width an edit box's text may take.
    int editWidth(int id) const;

    void setText(Window window, int id, const std::string& text) override;
    std::string readText(Window window, int id) override;
    void emptyEdit(Window window, int id) override;
    void showControl(int id, bool visible) override;
    void showWindow(Window window, bool visible) override;
    void giveFocus(Window window) override;
    void beep() override;
    Rect screenRect(int id) override;
    Point clientToScreen(Window window, Point client) override;
    void playSound(int waveId) override;
    void minimize() override;
    void moveWindow(Window window, int dx, int dy) override;
    bool windowTitled(const std::string& title) override;
    bool openHelp(const std::string& file) override;
    void messageBox(const std::string& text, const std::string& caption, bool topmost) override;
    void endRun() override;
    void offerLanguages(const std::string& current) override;

    // The language the player chose in the box offerLanguages showed, once.
    std::optional<std::string> takeLanguageChoice() { return std::exchange(languageChosen_, {}); }

  private:
    // The control `id` when `window` holds it.
    ControlState* control(Window window, int id);

    const Fonts& fonts_;
    SoundPlayer& sounds_;
    Scale scale_;
    ScreenState screen_;
    std::array<SDL_Window*, 3> windows_{}; // by Window: main, Add_Puzzles, message
    bool runEnded_ = false;
    std::function<void()> saved_;
    std::optional<std::string> languageChosen_;
};

} // namespace tallyrope
