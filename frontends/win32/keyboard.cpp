#include "frontends/win32/keyboard.h"

#include "app/routing.h"

namespace tallyrope {

namespace {

bool heldDown(const MSG& message) {
    constexpr LPARAM wasDown = LPARAM{1} << 30;
    return (message.lParam & wasDown) != 0;
}

} // namespace

bool takeKey(FrontEnd& frontEnd, const MSG& message) {
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    if (message.wParam == VK_F1) {
        if (!heldDown(message)) {
            helpKey(frontEnd.session);
        }
        return true;
    }
    Window window{};
    // Taken from the controls, whose parent is one of the windows: a single-line edit box has
    // no use for it.
    if (message.wParam == VK_RETURN &&
        frontEnd.ui.windowOf(GetAncestor(message.hwnd, GA_PARENT), window)) {
        if (!heldDown(message)) {
            enterKey(frontEnd.session, window, GetDlgCtrlID(message.hwnd));
        }
        return true;
    }
    return false;
}

} // namespace tallyrope
