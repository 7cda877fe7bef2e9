#include "frontends/win32/controls.h"

#include "ui/control_ids.h"
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

HFONT createPhraseFont() {
    return CreateFontA(22, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                       "Courier New");
}

HWND createControl(const FrontEnd& frontEnd, const ControlRow& row) {
    const Kind kind = kindOf(row.kind);
    return CreateWindowExA(0, kind.className, "", WS_CHILD | WS_VISIBLE | kind.style, row.x, row.y,
                           row.width, row.height, frontEnd.ui.handle(row.parent),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), frontEnd.instance,
                           nullptr);
}

void setFont(HWND control, HGDIOBJ font) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

// What start-up does to a control right after creating it.
void prepare(const ControlRow& row, HWND control, HFONT phraseFont) {
    if (row.id == id::hPlayerWon || row.id == id::hCawWord) {
        ShowWindow(control, SW_HIDE);
    }
    if (row.font == ControlFont::DefaultGui) {
        setFont(control, GetStockObject(DEFAULT_GUI_FONT));
    } else if (row.font == ControlFont::Phrase) {
        setFont(control, phraseFont);
    }
    if (row.text[0] != '\0') {
        SetWindowTextA(control, row.text);
    }
    if (row.textLimit > 0) {
        SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(row.textLimit), 0);
    }
}

// The order in which start-up attaches the bitmaps of the bitmap statics.
std::vector<int> bitmapOrder() {
    std::vector<int> order = {id::hCawWord, id::PopZero, id::PopOne, id::PopTwo,    id::PopTre,
                              id::PopFor,   id::PopFiv,  id::PopSix, id::hPlayerWon};
    for (int k = 0; k < 26; ++k) {
        order.push_back(id::letterTile(k));
    }
    return order;
}

void attachBitmap(const FrontEnd& frontEnd, const ControlRow& row) {
    HANDLE bitmap = LoadImageA(frontEnd.instance, MAKEINTRESOURCEA(row.bitmap), IMAGE_BITMAP, 0, 0,
                               LR_CREATEDIBSECTION);
    SendDlgItemMessageA(frontEnd.ui.handle(row.parent), row.id, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(bitmap));
}

} // namespace

void createControls(FrontEnd& frontEnd) {
    HFONT phraseFont = createPhraseFont();
    for (const ControlRow& row : controlTable()) {
        prepare(row, createControl(frontEnd, row), phraseFont);
    }
    for (int control : bitmapOrder()) {
        attachBitmap(frontEnd, *findControl(control));
    }
    for (int part :
         {id::PopZero, id::PopOne, id::PopTwo, id::PopTre, id::PopFor, id::PopFiv, id::PopSix}) {
        frontEnd.ui.showControl(part, false);
    }
}

} // namespace tallyrope
