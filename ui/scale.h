// How many device pixels a front end draws for each pixel of the window and control tables, and
// the rules every front end chooses that factor by.
#pragma once

#include "ui/ui.h"

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
    // A move, a line width or a font size of `table` pixels, rounded to whole device pixels.
    int length(int table) const;

  private:
    int percent_;
};

constexpr int smallestScale = 100;
constexpr int largestScale = 400;

// `factor` in hundredths, held to 1 to 4.
int scalePercent(double factor);

// `percent` stepped down to the largest that keeps a main window of `mainWidth` x `mainHeight`
// table pixels within a usable area of `usableWidth` x `usableHeight` (0 when unknown: nothing is
// stepped down), never below 1.
int fittedScale(int percent, int mainWidth, int mainHeight, int usableWidth, int usableHeight);

} // namespace tallyrope
