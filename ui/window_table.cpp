#include "ui/window_table.h"

#include <algorithm>

namespace tallyrope {

const std::vector<WindowRow>& windowTable() {
    static const std::vector<WindowRow> table = {
        {Window::Main, "Tallyrope", "Tallyrope", 48, 900, 620, -450, -378, false},
        {Window::AddPuzzles, "Add_Puzzles", "Add_Puzzle", 100, 698, 400, -350, -450, true},
        {Window::Message, "Message_Trx", "Message_Trx", 1870, 317, 100, -278, -350, true},
    };
    return table;
}

const WindowRow& windowRow(Window window) {
    for (const WindowRow& row : windowTable()) {
        if (row.window == window) {
            return row;
        }
    }
    return windowTable().front();
}

namespace {

// The least move along one axis that brings `size` pixels from `start` within [low, high); the
// low edge when they cannot all fit, so that the title strip shows.
int onto(int start, int size, int low, int high) {
    return std::max(low, std::min(start, high - size));
}

} // namespace

Point startPosition(const WindowRow& row, const Rect& screen, const Rect& workArea, Scale scale) {
    const Point centred{screen.left + (screen.right - screen.left) / 2 + scale.toDevice(row.dx),
                        screen.top + (screen.bottom - screen.top) / 2 + scale.toDevice(row.dy)};
    if (workArea.right <= workArea.left || workArea.bottom <= workArea.top) {
        return centred;
    }
    return {onto(centred.x, scale.toDevice(row.width), workArea.left, workArea.right),
            onto(centred.y, scale.toDevice(row.height), workArea.top, workArea.bottom)};
}

} // namespace tallyrope
