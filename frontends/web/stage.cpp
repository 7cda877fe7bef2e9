#include "frontends/web/stage.h"

#include "ui/window_table.h"

#include <algorithm>

namespace tallyrope {

Point startOrigin(Window window) {
    const WindowRow& main = windowRow(Window::Main);
    const WindowRow& row = windowRow(window);
    return keptInStage(window, {row.dx - main.dx, row.dy - main.dy});
}

Point keptInStage(Window window, Point wanted) {
    const WindowRow& main = windowRow(Window::Main);
    const WindowRow& row = windowRow(window);
    return {std::clamp(wanted.x, 0, main.width - row.width),
            std::clamp(wanted.y, 0, main.height - row.height)};
}

Window panelMovedFor(Window window) {
    return window == Window::Main ? Window::Message : window;
}

} // namespace tallyrope
