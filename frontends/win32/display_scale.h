// The scale the windows are drawn at: the DPI of their monitor over 96, stepped down until the
// main window fits that monitor's work area.
#pragma once

#include "ui/scale.h"

#include <windows.h>

namespace tallyrope {

// The DPI of the whole system, which the stock fonts are made for.
int systemDpi();

// The DPI of `monitor`; the system's before Windows 8.1, which has one DPI for every monitor.
int monitorDpi(HMONITOR monitor);

// The scale for drawing at `dpi` on `monitor`.
Scale scaleFor(int dpi, HMONITOR monitor);

} // namespace tallyrope
