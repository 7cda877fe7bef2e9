#include "frontends/sdl/scale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tallyrope {

namespace {

// Division rounded towards minus infinity, for window offsets left of the screen's middle too.
int floorDivide(long long numerator, long long denominator) {
    long long quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) {
        --quotient;
    }
    return static_cast<int>(quotient);
}

// A positive number written whole, with nothing after it; false otherwise.
bool parseNumber(const std::string& text, double& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(value) && value > 0;
}

int hundredths(double factor) {
    return std::clamp(static_cast<int>(std::lround(factor * 100)), smallestScale, largestScale);
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

int Scale::toDevice(int table) const {
    return -floorDivide(-static_cast<long long>(table) * percent_, 100);
}

Rect Scale::toDevice(const Rect& table) const {
    return {toDevice(table.left), toDevice(table.top), toDevice(table.right),
            toDevice(table.bottom)};
}

int Scale::toTable(int device) const {
    return floorDivide(static_cast<long long>(device) * 100, percent_);
}

Point Scale::toTable(Point device) const {
    return {toTable(device.x), toTable(device.y)};
}

int Scale::length(int table) const {
    return static_cast<int>(std::lround(table * percent_ / 100.0));
}

bool parseScale(const std::string& text, int& percent) {
    double factor = 0;
    if (!parseNumber(text, factor) || factor < 1 || factor > 4) {
        return false;
    }
    percent = hundredths(factor);
    return true;
}

int chooseScale(const std::string& option, const DesktopScale& desktop, int mainWidth,
                int mainHeight, int usableWidth, int usableHeight) {
    int percent = smallestScale;
    if (!parseScale(option, percent)) {
        const double factor = desktopFactor(desktop);
        percent = factor > 0 ? hundredths(factor) : smallestScale;
    }
    if (usableWidth > 0 && usableHeight > 0) {
        percent =
            std::min({percent, usableWidth * 100 / mainWidth, usableHeight * 100 / mainHeight});
    }
    return std::max(percent, smallestScale);
}

} // namespace tallyrope
