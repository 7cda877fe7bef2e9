// Where the three panels lie in the stage, the 900 x 620 picture of the main window: the main
// panel fills it, the other two keep their desktop distance from it as far as the stage allows.
#pragma once

#include "ui/ui.h"

namespace tallyrope {

// Where the window's panel starts.
Point startOrigin(Window window);

// The top-left corner nearest to `wanted` that keeps the whole panel inside the stage.
Point keptInStage(Window window, Point wanted);

// The main panel stays where it is: what moves the main window moves the message panel, the
// only other one the arrow keys reach while the console is hidden.
Window panelMovedFor(Window window);

} // namespace tallyrope
