#include "frontends/win32/edit_boxes.h"

#include "frontends/win32/fonts.h"
#include "ui/control_table.h"
#include "ui/text_fit.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tallyrope {

namespace {

// The edit class's own procedure, the same for all three boxes.
WNDPROC editProcedure = nullptr;

FrontEnd& frontEndOf(HWND edit) {
    return *reinterpret_cast<FrontEnd*>(GetWindowLongPtrA(edit, GWLP_USERDATA));
}

std::string textOf(HWND edit) {
    std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    const int copied = GetWindowTextA(edit, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<std::size_t>(copied));
}

bool fitsAtScaleOne(const std::string& text, int width) {
    HDC measuring = CreateCompatibleDC(nullptr);
    HGDIOBJ before = SelectObject(measuring, tableTextFont());
    const DWORD extent =
        GetTabbedTextExtentA(measuring, text.data(), static_cast<int>(text.size()), 0, nullptr);
    SelectObject(measuring, before);
    DeleteDC(measuring);
    return LOWORD(extent) <= width;
}

// `typed` put in place of the selection, as far as it fits.
struct Typing {
    std::size_t taken = 0; // bytes of `typed`
    std::string text;      // the box's text then
    std::size_t caret = 0;
};

Typing typingInto(HWND edit, const std::string& typed) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::string text = textOf(edit);
    const std::size_t kept = text.size() - (end - start);
    const auto limit = static_cast<std::size_t>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
    const std::size_t room = limit > kept ? limit - kept : 0;
    const int width = findControl(GetDlgCtrlID(edit))->width;
    const auto withFirst = [&](std::size_t count) {
        return text.substr(0, start) + typed.substr(0, count) + text.substr(end);
    };
    Typing typing;
    typing.taken = longestFit(std::min(typed.size(), room), [&](std::size_t count) {
        return fitsAtScaleOne(withFirst(count), width);
    });
    typing.text = withFirst(typing.taken);
    typing.caret = start + typing.taken;
    return typing;
}

// After the box has put the typing in itself: where its own edge stopped it short, the text is
// set whole, as a program sets it, which no edge stops.
void settle(HWND edit, const Typing& typing) {
    if (textOf(edit) == typing.text) {
        return;
    }
    CallWindowProcA(editProcedure, edit, WM_SETTEXT, 0,
                    reinterpret_cast<LPARAM>(typing.text.c_str()));
    CallWindowProcA(editProcedure, edit, EM_SETSEL, typing.caret, typing.caret);
}

std::string clipboardText(HWND edit) {
    std::string text;
    if (!OpenClipboard(edit)) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = bytes;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    // A box of one line takes the first line of what is pasted.
    return text.substr(0, text.find_first_of("\r\n"));
}

void paste(HWND edit) {
    const std::string pasted = clipboardText(edit);
    const Typing typing = typingInto(edit, pasted);
    if (typing.taken == 0) {
        return;
    }
    const std::string taken = pasted.substr(0, typing.taken);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(taken.c_str()));
    settle(edit, typing);
}

bool held(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

// Typing and pasting, which at scale 1 the box's own edge stops; true when taken.
bool takeInput(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR: {
        if (wParam == 0x16) { // Ctrl+V
            paste(edit);
            return true;
        }
        if (wParam < 0x20 || wParam == 0x7F) {
            return false;
        }
        const Typing typing = typingInto(edit, std::string(1, static_cast<char>(wParam)));
        if (typing.taken == 1) {
            CallWindowProcA(editProcedure, edit, message, wParam, lParam);
            settle(edit, typing);
        }
        return true;
    }
    case WM_PASTE:
        paste(edit);
        return true;
    case WM_KEYDOWN:
        if (wParam == VK_INSERT && held(VK_SHIFT) && !held(VK_CONTROL)) {
            paste(edit);
            return true;
        }
        return false;
    }
    return false;
}

LRESULT CALLBACK editBoxProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    const ControlRow& row = *findControl(GetDlgCtrlID(edit));
    if (frontEndOf(edit).ui.scale(row.parent).percent() != smallestScale &&
        takeInput(edit, message, wParam, lParam)) {
        return 0;
    }
    return CallWindowProcA(editProcedure, edit, message, wParam, lParam);
}

} // namespace

void keepTableWidth(FrontEnd& frontEnd, HWND edit) {
    SetWindowLongPtrA(edit, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&frontEnd));
    editProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editBoxProcedure)));
}

} // namespace tallyrope
