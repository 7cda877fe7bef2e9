#include "frontends/win32/windows.h"

#include "frontends/win32/bitmaps.h"
#include "frontends/win32/captions.h"
#include "frontends/win32/controls.h"
#include "frontends/win32/display_scale.h"
#include "frontends/win32/window_procedure.h"
#include "ui/field_frames.h"
#include "ui/resource_ids.h"

namespace tallyrope {

namespace {

// The fields' frames drawn again sharp over the stretched picture.
void drawFieldFrames(HDC target, Window window, Scale scale) {
    for (const FrameBand& band : fieldFrames(window, scale)) {
        const RECT place{band.place.left, band.place.top, band.place.right, band.place.bottom};
        HBRUSH brush = CreateSolidBrush(RGB(band.colour.red, band.colour.green, band.colour.blue));
        FillRect(target, &place, brush);
        DeleteObject(brush);
    }
}

// The window's picture at its scale with its frames and its captions in the language in play.
HBRUSH backgroundBrush(const FrontEnd& frontEnd, const WindowRow& row, Scale scale) {
    HBITMAP background = scaledBitmap(frontEnd.instance, row.background, {0, 0}, scale);
    drawInto(background, [&](HDC drawing) {
        drawFieldFrames(drawing, row.window, scale);
        drawCaptions(drawing, row.window, 0, false, frontEnd.session.language->code, scale, {0, 0});
    });
    HBRUSH brush = CreatePatternBrush(background);
    // The brush keeps its own copy of the pattern.
    DeleteObject(background);
    return brush;
}

bool registerClass(const FrontEnd& frontEnd, const WindowRow& row, Scale scale) {
    HINSTANCE instance = frontEnd.instance;
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
    windowClass.hbrBackground = backgroundBrush(frontEnd, row, scale);
    windowClass.lpszClassName = row.className;
    return RegisterClassExA(&windowClass) != 0;
}

void replaceBackground(const FrontEnd& frontEnd, Window window) {
    const auto oldBrush = reinterpret_cast<HGDIOBJ>(
        SetClassLongPtrA(frontEnd.ui.handle(window), GCLP_HBRBACKGROUND,
                         reinterpret_cast<LONG_PTR>(backgroundBrush(frontEnd, windowRow(window),
                                                                    frontEnd.ui.scale(window)))));
    DeleteObject(oldBrush);
}

void useScale(FrontEnd& frontEnd, Window window, Scale scale) {
    frontEnd.ui.setScale(window, scale);
    frontEnd.fonts[static_cast<std::size_t>(window)] = std::make_unique<ControlFonts>(scale);
}

} // namespace

HWND createWindow(FrontEnd& frontEnd, const WindowRow& row, HWND owner, Scale scale) {
    if (!registerClass(frontEnd, row, scale)) {
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
    replaceBackground(frontEnd, window);
    SetWindowPos(handle, nullptr, suggested.left, suggested.top, scale.toDevice(row.width),
                 scale.toDevice(row.height), SWP_NOZORDER | SWP_NOACTIVATE);
    layOutControls(frontEnd, window);
    RedrawWindow(handle, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void redrawCaptions(FrontEnd& frontEnd) {
    rewriteBubbles(frontEnd);
    for (Window window : {Window::Main, Window::AddPuzzles, Window::Message}) {
        replaceBackground(frontEnd, window);
        RedrawWindow(frontEnd.ui.handle(window), nullptr, nullptr,
                     RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

} // namespace tallyrope
