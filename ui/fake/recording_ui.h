// A screen and speakers for tests: remembers what the player would see and hear.
#pragma once

#include "ui/ui.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tallyrope {

class RecordingUi : public Ui {
  public:
    // Windows placed at fixed screen origins; controls visible as at start-up.
    RecordingUi();

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

    // What the player sees.
    std::string text(Window window, int id) const;
    std::string text(int mainWindowId) const { return text(Window::Main, mainWindowId); }
    bool visible(int id) const;
    bool windowVisible(Window window) const;
    // The player types into an edit box.
    void type(Window window, int id, const std::string& text) { texts_[{window, id}] = text; }

    // Where a control's middle lies in its window's client area.
    Point middleOf(int id) const;

    int beeps = 0;
    std::vector<int> sounds; // every clip started, in order
    Window focus = Window::Main;
    bool focusGiven = false; // true once any handler gave the focus to a window

    struct Move {
        Window window;
        int dx, dy;
        bool operator==(const Move& other) const {
            return window == other.window && dx == other.dx && dy == other.dy;
        }
    };
    struct Box {
        std::string text, caption;
        bool topmost;
    };
    int minimized = 0;
    std::vector<Move> moves;               // in order
    std::vector<std::string> windowTitles; // top-level windows of other programs
    bool helpOpens = true;                 // what opening the help file gives
    std::vector<std::string> helpOpened;   // every help file asked for
    std::vector<Box> boxes;                // every message box shown
    bool runEnded = false;
    std::vector<std::string> languagesOffered; // the language in play at each offer

  private:
    std::map<std::pair<Window, int>, std::string> texts_;
    std::map<int, bool> visible_;
    std::map<Window, bool> windowVisible_;
    std::map<Window, Point> origins_;
};

} // namespace tallyrope
