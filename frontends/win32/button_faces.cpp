#include "frontends/win32/button_faces.h"

#include "frontends/win32/bitmaps.h"
#include "frontends/win32/captions.h"
#include "ui/control_table.h"

namespace tallyrope {

void drawButtonFace(HINSTANCE instance, const DRAWITEMSTRUCT& item, Scale scale,
                    const std::string& code) {
    const ControlRow* row = findControl(static_cast<int>(item.CtlID));
    if (row == nullptr || row->kind != ControlKind::OwnerDrawnButton) {
        return;
    }
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const int face = pressed ? row->pressedBitmap : row->bitmap;
    HBITMAP bitmap = loadBitmap(instance, face);
    const SIZE size = bitmapSize(bitmap);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const RECT& target = item.rcItem;
    stretchFor(item.hDC, scale);
    StretchBlt(item.hDC, target.left, target.top, target.right - target.left,
               target.bottom - target.top, memory, 0, 0, size.cx, size.cy, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
    drawCaptions(item.hDC, row->parent, row->id, pressed, code, scale, {target.left, target.top});
}

} // namespace tallyrope
