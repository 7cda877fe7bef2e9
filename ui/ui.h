// The one way the rules reach the screen and the speakers. The Windows program realises it over
// its windows and controls; the tests use a recording fake.
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
};

} // namespace tallyrope
