#include "frontends/sdl/desktop_scale.h"

#include "ui/window_table.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <cstdlib>
#include <cstring>
#include <sstream>

namespace tallyrope {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : value;
}

bool driverIs(const char* name) {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && std::strcmp(driver, name) == 0;
}

// The desktop publishes Xft.dpi in the screen's resource database.
std::string xftDpi() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return {};
    }
    std::string dpi;
    if (const char* resources = XResourceManagerString(display)) {
        std::istringstream lines(resources);
        const std::string key = "Xft.dpi:";
        for (std::string line; std::getline(lines, line);) {
            const std::size_t value = line.find_first_not_of(" \t", key.size());
            if (line.compare(0, key.size(), key) == 0 && value != std::string::npos) {
                dpi = line.substr(value);
            }
        }
    }
    XCloseDisplay(display);
    return dpi;
}

DesktopScale desktopScale() {
    DesktopScale desktop;
    // A Wayland compositor scales SDL2's windows by the output's scale itself.
    if (driverIs("wayland")) {
        return desktop;
    }
    desktop.gdkScale = environment("GDK_SCALE");
    desktop.gdkDpiScale = environment("GDK_DPI_SCALE");
    desktop.qtScaleFactor = environment("QT_SCALE_FACTOR");
    if (driverIs("x11")) {
        desktop.xftDpi = xftDpi();
    }
    float dpi = 0;
    if (SDL_GetDisplayDPI(0, nullptr, &dpi, nullptr) == 0) {
        desktop.displayDpi = dpi;
    }
    return desktop;
}

} // namespace

Scale scaleForDisplay(const std::string& option, UsableBounds usableBounds) {
    SDL_Rect usable{};
    // Offscreen nobody looks, so any size fits.
    if (driverIs("offscreen") || usableBounds(0, &usable) != 0) {
        usable = {};
    }
    const WindowRow& main = windowRow(Window::Main);
    return Scale(chooseScale(option, desktopScale(), main.width, main.height, usable.w, usable.h));
}

} // namespace tallyrope
