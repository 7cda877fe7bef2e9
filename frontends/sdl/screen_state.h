// What the three windows show: each control's text, edit box and visibility, which control has
// the keyboard focus and which button is held down. Drawing reads it; the boundary writes it.
#pragma once

#include "frontends/sdl/edit_box.h"
#include "ui/control_table.h"

#include <array>
#include <map>
#include <memory>
#include <string>

namespace tallyrope {

// Edit boxes keep this many pixels clear at each side of their text.
constexpr int editMargin = 1;

struct ControlState {
    const ControlRow* row = nullptr;
    std::string text;              // text statics
    std::unique_ptr<EditBox> edit; // edit boxes
    bool visible = true;
};

// Where the keys of a window go: the window itself, an edit box, or a button that took the
// focus by a click and ignores keys.
struct Focus {
    Window window = Window::Main;
    int control = 0; // 0: the window itself
};

struct ScreenState {
    std::map<int, ControlState> controls;  // by id
    std::array<bool, 3> windowShown{};     // by Window
    std::array<bool, 3> windowMinimized{}; // by Window, as the window system last said
    std::array<bool, 3> dirty{true, true, true};
    Focus focus;
    int heldButton = 0;         // a button under a held left button, 0 for none
    bool heldInside = false;    // the pointer is still over it: its pressed face shows
    bool selectingText = false; // a drag in the focused edit box

    // Shown and not minimized: someone may be looking at it.
    bool onView(Window window) const;
    ControlState* find(int id);
    const ControlState* find(int id) const;
    void touch(Window window) { dirty[static_cast<std::size_t>(window)] = true; }
};

} // namespace tallyrope
