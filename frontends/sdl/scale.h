// How the Linux program chooses its scale: from the command line or what the desktop says.
#pragma once

#include "ui/scale.h"

#include <string>

namespace tallyrope {

// A factor such as "1.5" in hundredths; false unless it is a number from 1 to 4.
bool parseScale(const std::string& text, int& percent);

// What the desktop says about its scale; each text is empty where it says nothing.
struct DesktopScale {
    std::string gdkScale;      // GDK_SCALE
    std::string gdkDpiScale;   // GDK_DPI_SCALE
    std::string qtScaleFactor; // QT_SCALE_FACTOR
    std::string xftDpi;        // the X resource Xft.dpi; 96 is 1
    double displayDpi = 0;     // SDL's horizontal DPI of the display, 0 when unknown
};

// The scale in hundredths: `option` (--scale, empty when not given), else the first that the
// desktop says, in the order of DesktopScale's fields, held to 1 to 4; then stepped down to the
// largest that keeps a main window of `mainWidth` x `mainHeight` table pixels within a usable
// area of `usableWidth` x `usableHeight` (0 when unknown: nothing is stepped down), never
// below 1.
int chooseScale(const std::string& option, const DesktopScale& desktop, int mainWidth,
                int mainHeight, int usableWidth, int usableHeight);

} // namespace tallyrope
