#include "frontends/win32/window_procedure.h"

#include "app/routing.h"
#include "frontends/win32/button_faces.h"
#include "frontends/win32/controls.h"
#include "frontends/win32/front_end.h"
#include "frontends/win32/win32_ui.h"
#include "frontends/win32/windows.h"
#include "text/languages.h"
#include "ui/control_ids.h"

namespace tallyrope {

namespace {

FrontEnd* frontEndOf(HWND window) {
    return reinterpret_cast<FrontEnd*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void keyDown(FrontEnd& frontEnd, WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_LEFT:
        arrowKey(frontEnd.session, Arrow::Left);
        break;
    case VK_UP:
        arrowKey(frontEnd.session, Arrow::Up);
        break;
    case VK_RIGHT:
        arrowKey(frontEnd.session, Arrow::Right);
        break;
    case VK_DOWN:
        arrowKey(frontEnd.session, Arrow::Down);
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
        // The quit button destroys the window: nothing more may be done with it.
        if (runCommand(frontEnd.session, LOWORD(wParam))) {
            if (LOWORD(wParam) == id::hAudioCntl) {
                nameButtons(frontEnd);
            }
            return 0;
        }
        if (const int item = LOWORD(wParam) - firstLanguageCommand;
            item >= 0 && item < static_cast<int>(languages().size())) {
            chooseLanguage(frontEnd.session, languages()[static_cast<std::size_t>(item)].code);
            nameButtons(frontEnd);
            redrawCaptions(frontEnd);
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
        drawButtonFace(frontEnd.instance, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam),
                       frontEnd.ui.scale(window), frontEnd.session.language->code);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        return controlColours(reinterpret_cast<HDC>(wParam));
    case WM_KEYDOWN:
        keyDown(frontEnd, wParam);
        return 0;
    case WM_CHAR:
        // Typed while the window itself, not one of its edit boxes, has the focus: a character
        // of the code page, é as well as e.
        if (window == Window::Main && wParam < 0x100) {
            letterKey(frontEnd.session, static_cast<char>(wParam));
        }
        return 0;
    case WM_LBUTTONDOWN:
        // The rules test clicks against the tables' points.
        leftButtonDown(frontEnd.session, window,
                       frontEnd.ui.scale(window).toTable(Point{static_cast<int>(LOWORD(lParam)),
                                                               static_cast<int>(HIWORD(lParam))}));
        return 0;
    case WM_LBUTTONUP:
        SetFocus(hwnd);
        return 0;
    case WM_DPICHANGED:
        moveToDpi(frontEnd, window, LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        closeRequest(frontEnd.session, window);
        return 0;
    case WM_ENDSESSION:
        if (wParam != FALSE && window == Window::Main) {
            sessionEnds(frontEnd.session);
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
