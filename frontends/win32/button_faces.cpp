#include "frontends/win32/button_faces.h"

#include "ui/control_table.h"

namespace tallyrope {

void drawButtonFace(HINSTANCE instance, const DRAWITEMSTRUCT& item) {
    const ControlRow* row = findControl(static_cast<int>(item.CtlID));
    if (row == nullptr || row->kind != ControlKind::OwnerDrawnButton) {
        return;
    }
    const int face = (item.itemState & ODS_SELECTED) != 0 ? row->pressedBitmap : row->bitmap;
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(face), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP size{};
    GetObjectA(bitmap, sizeof size, &size);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const RECT& target = item.rcItem;
    StretchBlt(item.hDC, target.left, target.top, target.right - target.left,
               target.bottom - target.top, memory, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

} // namespace tallyrope
