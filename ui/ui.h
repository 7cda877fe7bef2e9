// The one way the rules reach the screen and the speakers. Each front end realises it over its
// windows and controls; the tests use a recording fake.
#pragma once

#include <string>

namespace tallyrope {

enum class Window { Main, AddPuzzles, Message };

struct Point {
    int x = 0;
    int y = 0;
};

// Left and top inclusive, right and bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
};

class Ui {
  public:
    virtual ~Ui() = default;

    virtual void setText(Window window, int id, const std::string& text) = 0;
    // The whole text of an edit box.
    virtual std::string readText(Window window, int id) = 0;
    // Deletes the selection, then the whole text.
    virtual void emptyEdit(Window window, int id) = 0;
    virtual void showControl(int id, bool visible) = 0;
    virtual void showWindow(Window window, bool visible) = 0;
    virtual void giveFocus(Window window) = 0;
    // The platform's default beep.
    virtual void beep() = 0;
    virtual Rect screenRect(int id) = 0;
    virtual Point clientToScreen(Window window, Point client) = 0;
    // Starts a WAVE clip of the program asynchronously; a clip that starts cuts the one playing.
    virtual void playSound(int waveId) = 0;

    // The window system's part of the title buttons, the window moving and the end of a run.
    // Minimizes the main window; its two owned windows go with it.
    virtual void minimize() = 0;
    virtual void moveWindow(Window window, int dx, int dy) = 0;
    // Whether a top-level window with exactly this title exists.
    virtual bool windowTitled(const std::string& title) = 0;
    // Opens the help file in its viewer without waiting for it; false when that failed.
    virtual bool openHelp(const std::string& file) = 0;
    // A box with an OK button and no owner; returns once it is closed.
    virtual void messageBox(const std::string& text, const std::string& caption, bool topmost) = 0;
    // Destroys the main window, with its owned windows, which ends the run.
    virtual void endRun() = 0;
    // Offers the shipped languages to choose from, the one of `current` code marked; the
    // choice reaches the rules through chooseLanguage, at once or when the player makes it.
    virtual void offerLanguages(const std::string& current) = 0;
};

} // namespace tallyrope
