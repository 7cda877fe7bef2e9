// The three windows of the program: classes, titles, backgrounds, sizes and where they start.
#pragma once

#include "ui/scale.h"
#include "ui/ui.h"

#include <vector>

namespace tallyrope {

struct WindowRow {
    Window window;
    const char* className;
    const char* title;
    int background; // bitmap painted as the class's pattern brush
    int width, height;
    // Offset of the top-left corner from half the screen's width and height.
    int dx, dy;
    bool ownedByMain;
};

// Main, Add_Puzzles and message window, in the order the program creates them.
const std::vector<WindowRow>& windowTable();

const WindowRow& windowRow(Window window);

// Where `window` starts on a screen of the given size, in device pixels: the row's offsets from
// the screen's middle at `scale`.
Point startPosition(const WindowRow& row, int screenWidth, int screenHeight, Scale scale = Scale());

} // namespace tallyrope
