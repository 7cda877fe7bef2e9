#include "frontends/win32/win32_ui.h"

#include "text/languages.h"
#include "ui/control_ids.h"
#include "ui/control_table.h"

#include <mmsystem.h>
#include <shellapi.h>
#include <vector>

namespace tallyrope {

void Win32Ui::attach(Window window, HWND handle) {
    windows_[static_cast<std::size_t>(window)] = handle;
}

HWND Win32Ui::handle(Window window) const {
    return windows_[static_cast<std::size_t>(window)];
}

bool Win32Ui::windowOf(HWND handle, Window& window) const {
    for (Window candidate : {Window::Main, Window::AddPuzzles, Window::Message}) {
        if (handle != nullptr && this->handle(candidate) == handle) {
            window = candidate;
            return true;
        }
    }
    return false;
}

void Win32Ui::setScale(Window window, Scale scale) {
    scales_[static_cast<std::size_t>(window)] = scale;
}

Scale Win32Ui::scale(Window window) const {
    return scales_[static_cast<std::size_t>(window)];
}

HWND Win32Ui::control(int id) const {
    const ControlRow* row = findControl(id);
    return row == nullptr ? nullptr : GetDlgItem(handle(row->parent), id);
}

void Win32Ui::setText(Window window, int id, const std::string& text) {
    SetDlgItemTextA(handle(window), id, text.c_str());
}

std::string Win32Ui::readText(Window window, int id) {
    const int length = GetWindowTextLengthA(GetDlgItem(handle(window), id));
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const UINT copied = GetDlgItemTextA(handle(window), id, buffer.data(), length + 1);
    return std::string(buffer.data(), copied);
}

void Win32Ui::emptyEdit(Window window, int id) {
    SendDlgItemMessageA(handle(window), id, WM_CLEAR, 0, 0);
    SendDlgItemMessageA(handle(window), id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
}

void Win32Ui::showControl(int id, bool visible) {
    if (HWND shown = control(id)) {
        ShowWindow(shown, visible ? SW_SHOW : SW_HIDE);
    }
}

void Win32Ui::showWindow(Window window, bool visible) {
    if (HWND shown = handle(window)) {
        ShowWindow(shown, visible ? SW_SHOW : SW_HIDE);
    }
}

void Win32Ui::giveFocus(Window window) {
    SetFocus(handle(window));
}

void Win32Ui::beep() {
    MessageBeep(0);
}

Rect Win32Ui::screenRect(int id) {
    RECT rect{};
    if (HWND measured = control(id)) {
        GetWindowRect(measured, &rect);
    }
    return {rect.left, rect.top, rect.right, rect.bottom};
}

Point Win32Ui::clientToScreen(Window window, Point client) {
    // The device pixel where the table point lies, as every control's rectangle is placed.
    const Scale shown = scale(window);
    POINT point{shown.toDevice(client.x), shown.toDevice(client.y)};
    ClientToScreen(handle(window), &point);
    return {point.x, point.y};
}

void Win32Ui::playSound(int waveId) {
    PlaySoundA(MAKEINTRESOURCEA(waveId), instance_, SND_RESOURCE | SND_ASYNC);
}

void Win32Ui::minimize() {
    ShowWindow(handle(Window::Main), SW_MINIMIZE);
}

void Win32Ui::moveWindow(Window window, int dx, int dy) {
    RECT rect;
    HWND moved = handle(window);
    GetWindowRect(moved, &rect);
    const Scale shown = scale(window);
    MoveWindow(moved, rect.left + shown.length(dx), rect.top + shown.length(dy),
               rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

bool Win32Ui::windowTitled(const std::string& title) {
    return FindWindowA(nullptr, title.c_str()) != nullptr;
}

bool Win32Ui::openHelp(const std::string& file) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", file.c_str(), nullptr, nullptr, SW_SHOW));
    return result > 32;
}

void Win32Ui::messageBox(const std::string& text, const std::string& caption, bool topmost) {
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | (topmost ? MB_TOPMOST : 0));
}

void Win32Ui::endRun() {
    DestroyWindow(handle(Window::Main));
}

// A menu under the language button; the item chosen comes back as a command, which the window
// procedure hands to chooseLanguage.
void Win32Ui::offerLanguages(const std::string& current) {
    HMENU menu = CreatePopupMenu();
    const std::vector<Language>& offered = languages();
    for (std::size_t i = 0; i < offered.size(); ++i) {
        const UINT checked = offered[i].code == current ? MF_CHECKED : MF_UNCHECKED;
        AppendMenuA(menu, MF_STRING | checked, firstLanguageCommand + i, offered[i].name.c_str());
    }
    RECT button;
    GetWindowRect(control(id::hLanguage), &button);
    HWND main = handle(Window::Main);
    TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, button.right,
                   button.bottom, 0, main, nullptr);
    DestroyMenu(menu);
}

} // namespace tallyrope
