#include "ui/win32/window_procedure.h"

#include "ui/control_ids.h"
#include "ui/routing.h"
#include "ui/win32/button_faces.h"
#include "ui/win32/front_end.h"
#include "ui/win32/title_buttons.h"
#include "ui/win32/window_moving.h"

namespace tallyrope {

namespace {

FrontEnd* frontEndOf(HWND window) {
    return reinterpret_cast<FrontEnd*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Returns true when the command ended the handling: its window may be gone.
bool command(FrontEnd& frontEnd, int id) {
    switch (id) {
    case id::hMinimize:
        minimizeButton(frontEnd);
        return false;
    case id::hHelpMe:
        helpButton(frontEnd);
        return false;
    case id::hQuitGame:
        quitButton(frontEnd);
        return true;
    default:
        runCommand(frontEnd.session, id);
        return false;
    }
}

// A close request does what the window's own closing button does.
void close(FrontEnd& frontEnd, Window window) {
    switch (window) {
    case Window::Main:
        quitButton(frontEnd);
        break;
    case Window::AddPuzzles:
        // Its X can only be pressed while it shows; hiding it again would put the console's
        // switch out of step with the window.
        if (IsWindowVisible(frontEnd.ui.handle(Window::AddPuzzles))) {
            runCommand(frontEnd.session, id::hNoCon);
        }
        break;
    case Window::Message:
        runCommand(frontEnd.session, id::hMsgOkBut);
        break;
    }
}

LRESULT controlColours(HDC context) {
    SetTextColor(context, RGB(0, 0, 0));
    SetBkMode(context, TRANSPARENT);
    // Simple statics fill their rectangle with the background colour, not the brush.
    SetBkColor(context, RGB(192, 192, 192));
    return reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH));
}

LRESULT dispatch(FrontEnd& frontEnd, Window window, HWND hwnd, UINT message, WPARAM wParam,
                 LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (command(frontEnd, LOWORD(wParam))) {
            return 0;
        }
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(hwnd, &paint);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_DRAWITEM:
        drawButtonFace(frontEnd.instance, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        return controlColours(reinterpret_cast<HDC>(wParam));
    case WM_KEYDOWN:
        arrowKey(frontEnd, static_cast<int>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        leftButtonDown(frontEnd.session, window,
                       {static_cast<int>(LOWORD(lParam)), static_cast<int>(HIWORD(lParam))});
        return 0;
    case WM_LBUTTONUP:
        SetFocus(hwnd);
        return 0;
    case WM_CLOSE:
        close(frontEnd, window);
        return 0;
    case WM_ENDSESSION:
        if (wParam != FALSE && window == Window::Main) {
            saveOnce(frontEnd);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    FrontEnd* frontEnd = frontEndOf(window);
    Window which{};
    if (frontEnd == nullptr || !frontEnd->ui.windowOf(window, which)) {
        // Messages of window creation, before the window is known.
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return dispatch(*frontEnd, which, window, message, wParam, lParam);
}

} // namespace tallyrope
