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

// Where a window starts, in device pixels: the row's offsets at `scale` from the middle of
// `screen`, when that puts the window wholly on `workArea` (the part of the
// screen that windows may take); otherwise the nearest place that does. A window larger than the
// area starts at its top or left edge. An empty area keeps the offsets' place.
Point startPosition(const WindowRow& row, const Rect& screen, const Rect& workArea, Scale scale);

} // namespace tallyrope
