#include "frontends/win32/windows.h"

#include "frontends/win32/bitmaps.h"
#include "frontends/win32/controls.h"
#include "frontends/win32/display_scale.h"
#include "frontends/win32/window_procedure.h"
#include "ui/resource_ids.h"

namespace tallyrope {

namespace {

HBRUSH backgroundBrush(HINSTANCE instance, const WindowRow& row, Scale scale) {
    HBITMAP background = scaledBitmap(instance, row.background, {0, 0}, scale);
    HBRUSH brush = CreatePatternBrush(background);
    // The brush keeps its own copy of the pattern.
    DeleteObject(background);
    return brush;
}

bool registerClass(HINSTANCE instance, const WindowRow& row, Scale scale) {
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
    windowClass.hbrBackground = backgroundBrush(instance, row, scale);
    windowClass.lpszClassName = row.className;
    return RegisterClassExA(&windowClass) != 0;
}

void useScale(FrontEnd& frontEnd, Window window, Scale scale) {
    frontEnd.ui.setScale(window, scale);
    frontEnd.fonts[static_cast<std::size_t>(window)] = std::make_unique<ControlFonts>(scale);
}

} // namespace

HWND createWindow(FrontEnd& frontEnd, const WindowRow& row, HWND owner, Scale scale) {
    if (!registerClass(frontEnd.instance, row, scale)) {
        return nullptr;
    }
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const Point start =
        startPosition(row, {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                      {work.left, work.top, work.right, work.bottom}, scale);
    HWND window =
        CreateWindowExA(0, row.className, row.title, WS_POPUP | WS_SYSMENU, start.x, start.y,
                        scale.toDevice(row.width), scale.toDevice(row.height),
                        row.ownedByMain ? owner : nullptr, nullptr, frontEnd.instance, &frontEnd);
    frontEnd.ui.attach(row.window, window);
    useScale(frontEnd, row.window, scale);
    return window;
}

void moveToDpi(FrontEnd& frontEnd, Window window, int dpi, const RECT& suggested) {
    const WindowRow& row = windowRow(window);
    const Scale scale = scaleFor(dpi, MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST));
    HWND handle = frontEnd.ui.handle(window);
    // The controls let go of the old fonts before they are deleted.
    const std::unique_ptr<ControlFonts> oldFonts =
        std::move(frontEnd.fonts[static_cast<std::size_t>(window)]);
    useScale(frontEnd, window, scale);
    const auto oldBrush = reinterpret_cast<HGDIOBJ>(SetClassLongPtrA(
        handle, GCLP_HBRBACKGROUND,
        reinterpret_cast<LONG_PTR>(backgroundBrush(frontEnd.instance, row, scale))));
    DeleteObject(oldBrush);
    SetWindowPos(handle, nullptr, suggested.left, suggested.top, scale.toDevice(row.width),
                 scale.toDevice(row.height), SWP_NOZORDER | SWP_NOACTIVATE);
    layOutControls(frontEnd, window);
    RedrawWindow(handle, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

} // namespace tallyrope
