// How many device pixels the program draws for each pixel of the window and control tables, and
// how that factor is chosen.
#pragma once

#include "ui/ui.h"

#include <string>

namespace tallyrope {

// A factor from 1 to 4 kept in hundredths, so that device and table points convert exactly.
class Scale {
  public:
    explicit Scale(int percent = 100) : percent_(percent) {}

    int percent() const { return percent_; }
    bool whole() const { return percent_ % 100 == 0; }

    // The device pixel where a table edge lies: the first whose table point is that edge.
    int toDevice(int table) const;
    Rect toDevice(const Rect& table) const;
    // The table point a device pixel shows.
    int toTable(int device) const;
    Point toTable(Point device) const;
    // A move or a line width of `table` pixels, rounded to whole device pixels.
    int length(int table) const;

  private:
    int percent_;
};

constexpr int smallestScale = 100;
constexpr int largestScale = 400;

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
