#include "frontends/win32/controls.h"

#include "frontends/win32/bitmaps.h"
#include "frontends/win32/captions.h"
#include "frontends/win32/edit_boxes.h"
#include "text/languages.h"
#include "ui/control_ids.h"
#include "ui/control_names.h"
#include "ui/control_table.h"

#include <vector>

namespace tallyrope {

namespace {

struct Kind {
    const char* className;
    DWORD style;
};

Kind kindOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::OwnerDrawnButton:
        return {"BUTTON", BS_OWNERDRAW};
    case ControlKind::BitmapStatic:
        return {"STATIC", SS_BITMAP};
    case ControlKind::TextNoPrefix:
        return {"STATIC", SS_SIMPLE | SS_NOPREFIX};
    case ControlKind::TextSimple:
        return {"STATIC", SS_SIMPLE};
    case ControlKind::TextCentred:
        return {"STATIC", SS_CENTER};
    case ControlKind::Edit:
        return {"EDIT", 0};
    }
    return {"STATIC", 0};
}

// The control's table rectangle in its window's device pixels.
Rect placeOf(const FrontEnd& frontEnd, const ControlRow& row) {
    return frontEnd.ui.scale(row.parent)
        .toDevice(Rect{row.x, row.y, row.x + row.width, row.y + row.height});
}

HWND createControl(FrontEnd& frontEnd, const ControlRow& row) {
    const Kind kind = kindOf(row.kind);
    const Rect place = placeOf(frontEnd, row);
    // A button's window text is its name for screen readers; its face is drawn.
    const char* text = row.kind == ControlKind::OwnerDrawnButton
                           ? controlName(row.id, frontEnd.session.settings.soundOn(),
                                         frontEnd.session.language->code)
                           : "";
    return CreateWindowExA(
        0, kind.className, text, WS_CHILD | WS_VISIBLE | kind.style, place.left, place.top,
        place.right - place.left, place.bottom - place.top, frontEnd.ui.handle(row.parent),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), frontEnd.instance, nullptr);
}

// The font the control table gives the control, at its window's scale; none gives a system-font
// control its own back.
void setFont(const FrontEnd& frontEnd, const ControlRow& row, HWND control) {
    HFONT font = frontEnd.fonts[static_cast<std::size_t>(row.parent)]->font(row.font);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // A font change gives an edit box that font's own margins; the text keeps the place it had
    // with the system font, which gave none.
    if (row.kind == ControlKind::Edit) {
        SendMessageA(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    }
}

// What start-up does to a control right after creating it.
void prepare(FrontEnd& frontEnd, const ControlRow& row, HWND control) {
    if (row.id == id::hPlayerWon || row.id == id::hCawWord) {
        ShowWindow(control, SW_HIDE);
    }
    // A system-font control that has the right size of its own is given none.
    if (frontEnd.fonts[static_cast<std::size_t>(row.parent)]->font(row.font) != nullptr) {
        setFont(frontEnd, row, control);
    }
    if (row.text[0] != '\0') {
        SetWindowTextA(control, row.text);
    }
    if (row.textLimit > 0) {
        SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(row.textLimit), 0);
    }
    if (row.kind == ControlKind::Edit) {
        keepTableWidth(frontEnd, control);
    }
}

// The order in which start-up attaches the bitmaps of the bitmap statics: the tiles after Z
// last.
std::vector<int> bitmapOrder() {
    std::vector<int> order = {id::hCawWord, id::PopZero, id::PopOne, id::PopTwo,    id::PopTre,
                              id::PopFor,   id::PopFiv,  id::PopSix, id::hPlayerWon};
    for (int k = 0; k < tileCount; ++k) {
        order.push_back(id::letterTile(k));
    }
    return order;
}

// A bitmap static takes the size of its bitmap: made at the scale, it covers the table
// rectangle of the bitmap's own size. A bubble's words are written into it.
void attachBitmap(const FrontEnd& frontEnd, const ControlRow& row) {
    const Scale scale = frontEnd.ui.scale(row.parent);
    HBITMAP bitmap = scaledBitmap(frontEnd.instance, row.bitmap, {row.x, row.y}, scale);
    drawInto(bitmap, [&](HDC drawing) {
        drawCaptions(drawing, row.parent, row.id, false, frontEnd.session.language->code, scale,
                     {0, 0});
    });
    const auto previous = reinterpret_cast<HGDIOBJ>(
        SendDlgItemMessageA(frontEnd.ui.handle(row.parent), row.id, STM_SETIMAGE, IMAGE_BITMAP,
                            reinterpret_cast<LPARAM>(bitmap)));
    if (previous != nullptr) {
        DeleteObject(previous);
    }
}

} // namespace

void createControls(FrontEnd& frontEnd) {
    for (const ControlRow& row : controlTable()) {
        prepare(frontEnd, row, createControl(frontEnd, row));
    }
    for (int control : bitmapOrder()) {
        attachBitmap(frontEnd, *findControl(control));
    }
    for (int part :
         {id::PopZero, id::PopOne, id::PopTwo, id::PopTre, id::PopFor, id::PopFiv, id::PopSix}) {
        frontEnd.ui.showControl(part, false);
    }
}

void layOutControls(FrontEnd& frontEnd, Window window) {
    for (const ControlRow& row : controlTable()) {
        if (row.parent != window) {
            continue;
        }
        HWND control = frontEnd.ui.control(row.id);
        const Rect place = placeOf(frontEnd, row);
        UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
        if (row.kind == ControlKind::BitmapStatic) {
            attachBitmap(frontEnd, row);
            flags |= SWP_NOSIZE;
        }
        SetWindowPos(control, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, flags);
        if (row.kind != ControlKind::BitmapStatic) {
            setFont(frontEnd, row, control);
        }
    }
}

void rewriteBubbles(FrontEnd& frontEnd) {
    for (int bubble : {id::hPlayerWon, id::hCawWord}) {
        attachBitmap(frontEnd, *findControl(bubble));
    }
}

void nameButtons(FrontEnd& frontEnd) {
    const Session& session = frontEnd.session;
    for (const ControlRow& row : controlTable()) {
        if (row.kind == ControlKind::OwnerDrawnButton) {
            SetWindowTextA(frontEnd.ui.control(row.id),
                           controlName(row.id, session.settings.soundOn(), session.language->code));
        }
    }
}

} // namespace tallyrope
