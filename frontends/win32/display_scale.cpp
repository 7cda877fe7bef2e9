#include "frontends/win32/display_scale.h"

#include "ui/window_table.h"

#include <shellscalingapi.h>

namespace tallyrope {

int systemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int monitorDpi(HMONITOR monitor) {
    // Windows 8.1 and later; looked up by name so that the program still starts on Windows 7.
    static const auto getDpiForMonitor = [] {
        HMODULE shellScaling = LoadLibraryExA("shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        FARPROC found =
            shellScaling == nullptr ? nullptr : GetProcAddress(shellScaling, "GetDpiForMonitor");
        return reinterpret_cast<decltype(&GetDpiForMonitor)>(reinterpret_cast<void (*)()>(found));
    }();
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (getDpiForMonitor != nullptr &&
        getDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY) == S_OK && dpiX > 0) {
        return static_cast<int>(dpiX);
    }
    return systemDpi();
}

Scale scaleFor(int dpi, HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    int usableWidth = 0;
    int usableHeight = 0;
    if (GetMonitorInfoA(monitor, &info)) {
        usableWidth = info.rcWork.right - info.rcWork.left;
        usableHeight = info.rcWork.bottom - info.rcWork.top;
    }
    const WindowRow& main = windowRow(Window::Main);
    return Scale(
        fittedScale(scalePercent(dpi / 96.0), main.width, main.height, usableWidth, usableHeight));
}

} // namespace tallyrope
