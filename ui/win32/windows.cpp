#include "ui/win32/windows.h"

#include "ui/resource_ids.h"
#include "ui/win32/window_procedure.h"

namespace tallyrope {

namespace {

bool registerClass(HINSTANCE instance, const WindowSpec& spec) {
    HBITMAP background = static_cast<HBITMAP>(LoadImageA(
        instance, MAKEINTRESOURCEA(spec.background), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hIconSm =
        spec.window == Window::Main
            ? static_cast<HICON>(
                  LoadImageA(instance, MAKEINTRESOURCEA(resource::icon), IMAGE_ICON, 16, 16, 0))
            : LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreatePatternBrush(background);
    windowClass.lpszClassName = spec.className;
    // The brush keeps its own copy of the pattern.
    DeleteObject(background);
    return RegisterClassExA(&windowClass) != 0;
}

} // namespace

HWND createWindow(FrontEnd& frontEnd, const WindowSpec& spec, HWND owner) {
    if (!registerClass(frontEnd.instance, spec)) {
        return nullptr;
    }
    const Point start =
        startPosition(spec, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    HWND window = CreateWindowExA(
        0, spec.className, spec.title, WS_POPUP | WS_SYSMENU, start.x, start.y, spec.width,
        spec.height, spec.ownedByMain ? owner : nullptr, nullptr, frontEnd.instance, &frontEnd);
    frontEnd.ui.attach(spec.window, window);
    return window;
}

} // namespace tallyrope
