#include "frontends/win32/windows.h"

#include "frontends/win32/window_procedure.h"
#include "ui/resource_ids.h"

namespace tallyrope {

namespace {

bool registerClass(HINSTANCE instance, const WindowRow& row) {
    HBITMAP background = static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(row.background),
                                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hIconSm =
        row.window == Window::Main
            ? static_cast<HICON>(
                  LoadImageA(instance, MAKEINTRESOURCEA(resource::icon), IMAGE_ICON, 16, 16, 0))
            : LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreatePatternBrush(background);
    windowClass.lpszClassName = row.className;
    // The brush keeps its own copy of the pattern.
    DeleteObject(background);
    return RegisterClassExA(&windowClass) != 0;
}

} // namespace

HWND createWindow(FrontEnd& frontEnd, const WindowRow& row, HWND owner) {
    if (!registerClass(frontEnd.instance, row)) {
        return nullptr;
    }
    const Point start =
        startPosition(row, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    HWND window = CreateWindowExA(0, row.className, row.title, WS_POPUP | WS_SYSMENU, start.x,
                                  start.y, row.width, row.height, row.ownedByMain ? owner : nullptr,
                                  nullptr, frontEnd.instance, &frontEnd);
    frontEnd.ui.attach(row.window, window);
    return window;
}

} // namespace tallyrope
