#include "ui/window_table.h"

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

Point startPosition(const WindowRow& row, int screenWidth, int screenHeight, Scale scale) {
    return {screenWidth / 2 + scale.toDevice(row.dx), screenHeight / 2 + scale.toDevice(row.dy)};
}

} // namespace tallyrope
