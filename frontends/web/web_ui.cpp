#include "frontends/web/web_ui.h"

#include "frontends/web/page_calls.h"
#include "frontends/web/stage.h"
#include "text/languages.h"
#include "ui/control_table.h"

#include <vector>

namespace tallyrope {

namespace {

int number(Window window) {
    return static_cast<int>(window);
}

// A control of `window`, or nullptr: an operation on any other id does nothing.
const ControlRow* controlOf(Window window, int id) {
    const ControlRow* row = findControl(id);
    return row != nullptr && row->parent == window ? row : nullptr;
}

} // namespace

WebUi::WebUi() {
    for (Window window : {Window::Main, Window::AddPuzzles, Window::Message}) {
        origins_[number(window)] = startOrigin(window);
    }
}

Point WebUi::origin(Window window) const {
    return origins_[number(window)];
}

void WebUi::setText(Window window, int id, const std::string& text) {
    if (controlOf(window, id) != nullptr) {
        tr_page_setText(id, text.data(), static_cast<int>(text.size()));
    }
}

std::string WebUi::readText(Window window, int id) {
    if (controlOf(window, id) == nullptr) {
        return {};
    }
    std::vector<char> buffer(static_cast<std::size_t>(tr_page_textLength(id)) + 1);
    tr_page_copyText(id, buffer.data());
    return std::string(buffer.data(), buffer.size() - 1);
}

void WebUi::emptyEdit(Window window, int id) {
    const ControlRow* row = controlOf(window, id);
    if (row != nullptr && row->kind == ControlKind::Edit) {
        tr_page_emptyEdit(id);
    }
}

void WebUi::showControl(int id, bool visible) {
    if (findControl(id) != nullptr) {
        tr_page_showControl(id, visible ? 1 : 0);
    }
}

void WebUi::showWindow(Window window, bool visible) {
    tr_page_showWindow(number(window), visible ? 1 : 0);
}

void WebUi::giveFocus(Window window) {
    tr_page_giveFocus(number(window));
}

void WebUi::beep() {
    tr_page_beep();
}

Rect WebUi::screenRect(int id) {
    const ControlRow* row = findControl(id);
    if (row == nullptr) {
        return {};
    }
    const Rect client = shownRect(*row);
    const Point topLeft = clientToScreen(row->parent, {client.left, client.top});
    return {topLeft.x, topLeft.y, topLeft.x + client.right - client.left,
            topLeft.y + client.bottom - client.top};
}

Point WebUi::clientToScreen(Window window, Point client) {
    const Point at = origin(window);
    return {at.x + client.x, at.y + client.y};
}

void WebUi::playSound(int waveId) {
    tr_page_playSound(waveId);
}

void WebUi::minimize() {
    tr_page_minimize();
}

void WebUi::moveWindow(Window window, int dx, int dy) {
    const Window moved = panelMovedFor(window);
    Point& at = origins_[number(moved)];
    at = keptInStage(moved, {at.x + dx, at.y + dy});
    tr_page_placeWindow(number(moved), at.x, at.y);
}

bool WebUi::windowTitled(const std::string&) {
    // A browser tab's title is not the guide's window: the guide simply opens another tab.
    return false;
}

bool WebUi::openHelp(const std::string& file) {
    return tr_page_openHelp(file.c_str()) != 0;
}

void WebUi::messageBox(const std::string& text, const std::string& caption, bool) {
    // The page's dialog is modal, so the call returns at once and the dialog holds the input.
    tr_page_messageBox(text.data(), static_cast<int>(text.size()), caption.data(),
                       static_cast<int>(caption.size()));
}

void WebUi::endRun() {
    tr_page_endRun();
}

void WebUi::offerLanguages(const std::string& current) {
    tr_page_offerLanguages(languageIndex(*findLanguage(current)));
}

} // namespace tallyrope
