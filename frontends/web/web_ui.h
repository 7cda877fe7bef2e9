// The boundary realised by the page: every control is an element of the page, every window a
// panel of the stage, whose coordinates stand for the screen's.
#pragma once

#include "ui/ui.h"

#include <array>

namespace tallyrope {

class WebUi final : public Ui {
  public:
    WebUi();

    // Where the window's panel lies in the stage.
    Point origin(Window window) const;

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

  private:
    std::array<Point, 3> origins_;
};

} // namespace tallyrope
