#include "frontends/sdl/scale.h"

#include <cmath>
#include <cstdlib>

namespace tallyrope {

namespace {

// A positive number written whole, with nothing after it; false otherwise.
bool parseNumber(const std::string& text, double& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(value) && value > 0;
}

// The first factor the desktop gives, 0 when it gives none.
double desktopFactor(const DesktopScale& desktop) {
    double gdk = 0;
    if (parseNumber(desktop.gdkScale, gdk)) {
        double text = 1;
        // A text factor below 1 undoes an Xft.dpi that already counts GDK_SCALE.
        if (parseNumber(desktop.gdkDpiScale, text) && text > 1) {
            gdk *= text;
        }
        return gdk;
    }
    if (parseNumber(desktop.gdkDpiScale, gdk) || parseNumber(desktop.qtScaleFactor, gdk)) {
        return gdk;
    }
    double dpi = 0;
    if (parseNumber(desktop.xftDpi, dpi)) {
        return dpi / 96;
    }
    return desktop.displayDpi > 0 ? desktop.displayDpi / 96 : 0;
}

} // namespace

bool parseScale(const std::string& text, int& percent) {
    double factor = 0;
    if (!parseNumber(text, factor) || factor < 1 || factor > 4) {
        return false;
    }
    percent = scalePercent(factor);
    return true;
}

int chooseScale(const std::string& option, const DesktopScale& desktop, int mainWidth,
                int mainHeight, int usableWidth, int usableHeight) {
    int percent = smallestScale;
    if (!parseScale(option, percent)) {
        const double factor = desktopFactor(desktop);
        percent = factor > 0 ? scalePercent(factor) : smallestScale;
    }
    return fittedScale(percent, mainWidth, mainHeight, usableWidth, usableHeight);
}

} // namespace tallyrope
