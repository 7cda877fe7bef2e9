// A copy of the program in a folder of its own, started and driven from outside as a player
// and as another program would: by window class and title, control id and client point.
#pragma once

#include "ui/ui.h"

#include <map>
#include <string>

#include <windows.h>

namespace tallyrope::testing {

// File name to the bytes it holds.
using Files = std::map<std::string, std::string>;

// The one puzzle of the usual test folder, and the files that hold it.
constexpr char onlyPuzzle[] = "BIG TOP;Circus tent:";
Files usualFiles();

class GameCopy {
  public:
    // A fresh folder holding tallyrope.exe and `files`.
    explicit GameCopy(const Files& files = usualFiles());
    GameCopy(const GameCopy&) = delete;
    GameCopy& operator=(const GameCopy&) = delete;
    // Ends the program if it still runs, and removes the folder.
    ~GameCopy();

    // Puts the shipped help file beside the program.
    void addHelpFile() const;
    // Starts the program (again, after an earlier run ended); true once its main window exists.
    bool start();
    // The same on a display of `dpi` dots per inch, for this run of the program alone; the screen
    // is large enough for the program to draw at dpi / 96.
    bool start(int dpi);
    // The same on a screen of `screen` pixels: a Wine desktop of that size of its own, on which
    // windows may take the whole screen.
    bool start(int dpi, SIZE screen);
    // Starts one more process of the program from the same folder, and returns it.
    HANDLE startAnother() const;
    bool running() const;
    // Waits for the program to end; true with its exit code when it did.
    bool waitForExit(DWORD& exitCode, DWORD timeout);

    HWND window(Window window) const;
    // The window's own visibility flag: IsWindowVisible says false across Wine desktops.
    bool shown(Window window) const;
    HWND control(int id) const;
    std::string text(int id) const;
    // The control's own visibility flag, whether or not its window is shown.
    bool visible(int id) const;
    RECT screenRect(HWND window) const;

    // A press of button `id`; `post` does not wait for it to be handled.
    void press(int id) const;
    void post(int id) const;
    // A left click at a client point of `window`, and at the middle of control `id` as the
    // program draws it.
    void click(Window window, Point client) const;
    void clickControl(int id) const;
    void key(int virtualKey) const;
    void type(int id, const std::string& text) const;
    // Sends `message` to `window` and waits until it was handled.
    LRESULT send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // The same with a pointer to a copy of `rect` in the program's memory, as the window system
    // passes one.
    LRESULT send(HWND window, UINT message, WPARAM wParam, const RECT& rect) const;

    const std::string& folder() const { return folder_; }
    // The bytes of a file in the program's folder; nothing when it does not exist.
    bool hasFile(const std::string& name) const;
    std::string file(const std::string& name) const;

  private:
    PROCESS_INFORMATION launch() const;
    bool startHere(); // on desktop_

    std::string folder_;
    std::string desktop_; // the Wine desktop the program runs on; empty for the display's own
    PROCESS_INFORMATION process_{};
    int percent_ = 100; // the scale the program draws at
};

// The top-level window of process `processId` with class `className` on `desktop` (the
// display's own when empty); null when none.
HWND findWindowOf(DWORD processId, const char* className, const std::string& desktop = {});

} // namespace tallyrope::testing
