#include "ui/scale.h"

#include <algorithm>
#include <cmath>

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

int scalePercent(double factor) {
    return std::clamp(static_cast<int>(std::lround(factor * 100)), smallestScale, largestScale);
}

int fittedScale(int percent, int mainWidth, int mainHeight, int usableWidth, int usableHeight) {
    if (usableWidth > 0 && usableHeight > 0) {
        percent =
            std::min({percent, usableWidth * 100 / mainWidth, usableHeight * 100 / mainHeight});
    }
    return std::max(percent, smallestScale);
}

} // namespace tallyrope
