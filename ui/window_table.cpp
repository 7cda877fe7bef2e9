#include "ui/window_table.h"

namespace tallyrope {

const std::vector<WindowSpec>& windowTable() {
    static const std::vector<WindowSpec> table = {
        {Window::Main, "Tallyrope", "Tallyrope", 48, 900, 620, -450, -378, false},
        {Window::AddPuzzles, "Add_Puzzles", "Add_Puzzle", 100, 698, 400, -350, -450, true},
        {Window::Message, "Message_Trx", "Message_Trx", 1870, 317, 100, -278, -350, true},
    };
    return table;
}

const WindowSpec& windowSpec(Window window) {
    for (const WindowSpec& spec : windowTable()) {
        if (spec.window == window) {
            return spec;
        }
    }
    return windowTable().front();
}

Point startPosition(const WindowSpec& spec, int screenWidth, int screenHeight) {
    return {screenWidth / 2 + spec.dx, screenHeight / 2 + spec.dy};
}

} // namespace tallyrope
