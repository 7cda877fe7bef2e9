// The screen and speaker operations of the rules, over the program's real windows.
#pragma once

#include "ui/scale.h"
#include "ui/ui.h"

#include <array>

#include <windows.h>

namespace tallyrope {

// The language menu's items send commands from this id on, one for each of languages().
constexpr int firstLanguageCommand = 7000;

class Win32Ui final : public Ui {
  public:
    explicit Win32Ui(HINSTANCE instance) : instance_(instance) {}

    // Each window once it exists; until then operations on it and its controls do nothing.
    void attach(Window window, HWND handle);
    HWND handle(Window window) const;
    // Which of the three windows `handle` is; false when none.
    bool windowOf(HWND handle, Window& window) const;
    // The scale `window` and its controls are drawn at; the rules' points are the tables'.
    void setScale(Window window, Scale scale);
    Scale scale(Window window) const;

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

    // The control `id` in the window the control table places it in.
    HWND control(int id) const;

  private:
    HINSTANCE instance_;
    std::array<HWND, 3> windows_{}; // by Window: main, Add_Puzzles, message
    std::array<Scale, 3> scales_;   // likewise
};

} // namespace tallyrope
