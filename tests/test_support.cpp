#include "test_support.h"

#include "app/routing.h"
#include "ui/control_ids.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tallyrope::test {

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return "<missing>";
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

int FixedRandom::next() {
    if (draws.empty()) {
        return 0;
    }
    const int value = draws.front();
    draws.pop_front();
    return value;
}

void Table::newRound(int index) {
    random.draws.push_back(index);
    press(id::hNewGame);
}

void Table::click(char letter) {
    leftButtonDown(session, Window::Main, ui.middleOf(id::letterTile(tileIndex(letter))));
}

void Table::press(int id) {
    if (!runCommand(session, id)) {
        throw std::invalid_argument("no command " + std::to_string(id));
    }
}

void Table::solve(const std::string& attempt) {
    ui.type(Window::Main, id::hSolveMe, attempt);
    press(id::hPuzzled);
}

int Table::stageShown() const {
    if (ui.visible(id::PopZero)) {
        return 7;
    }
    int stage = 0;
    for (int part : {id::PopSix, id::PopFiv, id::PopFor, id::PopTre, id::PopTwo, id::PopOne}) {
        if (!ui.visible(part)) {
            break;
        }
        ++stage;
    }
    return stage;
}

} // namespace tallyrope::test
