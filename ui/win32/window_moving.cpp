#include "ui/win32/window_moving.h"

namespace tallyrope {

namespace {

constexpr int step = 2;

void moveBy(HWND window, int dx, int dy) {
    RECT rect;
    GetWindowRect(window, &rect);
    MoveWindow(window, rect.left + dx, rect.top + dy, rect.right - rect.left,
               rect.bottom - rect.top, TRUE);
}

} // namespace

void arrowKey(FrontEnd& frontEnd, int virtualKey) {
    int dx = 0;
    int dy = 0;
    switch (virtualKey) {
    case VK_LEFT:
        dx = -step;
        break;
    case VK_UP:
        dy = -step;
        break;
    case VK_RIGHT:
        dx = step;
        break;
    case VK_DOWN:
        dy = step;
        break;
    default:
        return;
    }
    // While the Add_Puzzles window is shown the windows stay where they are.
    if (isOdd(frontEnd.session.windows.HideCon)) {
        frontEnd.ui.beep();
        return;
    }
    HWND main = frontEnd.ui.handle(Window::Main);
    HWND addPuzzles = frontEnd.ui.handle(Window::AddPuzzles);
    // Moving down, the lower window goes first.
    const bool addPuzzlesFirst = virtualKey == VK_DOWN;
    moveBy(addPuzzlesFirst ? addPuzzles : main, dx, dy);
    moveBy(addPuzzlesFirst ? main : addPuzzles, dx, dy);
}

} // namespace tallyrope
