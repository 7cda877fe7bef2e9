#include "frontends/web/page_window_maker.h"

#include "frontends/web/page_calls.h"
#include "ui/control_table.h"
#include "ui/window_table.h"

#include <cstring>

namespace tallyrope {

bool PageWindowMaker::createWindows() {
    for (const WindowRow& row : windowTable()) {
        const Point at = ui_.origin(row.window);
        tr_page_makeWindow(static_cast<int>(row.window), row.background, row.width, row.height,
                           at.x, at.y);
    }
    for (const ControlRow& row : controlTable()) {
        const Rect shown = shownRect(row);
        tr_page_makeControl(row.id, static_cast<int>(row.kind), static_cast<int>(row.parent),
                            shown.left, shown.top, shown.right - shown.left,
                            shown.bottom - shown.top, row.visible ? 1 : 0, row.bitmap,
                            row.pressedBitmap, static_cast<int>(row.font), row.text,
                            static_cast<int>(std::strlen(row.text)), row.textLimit);
    }
    return true;
}

void PageWindowMaker::showMainWindow() {
    ui_.showWindow(Window::Main, true);
}

} // namespace tallyrope
