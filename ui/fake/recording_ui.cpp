#include "ui/fake/recording_ui.h"

#include "ui/control_table.h"

#include <algorithm>
#include <stdexcept>

namespace tallyrope {

namespace {

const ControlRow& control(int id) {
    const ControlRow* row = findControl(id);
    if (row == nullptr) {
        throw std::invalid_argument("no control with id " + std::to_string(id));
    }
    return *row;
}

} // namespace

RecordingUi::RecordingUi() {
    for (const ControlRow& row : controlTable()) {
        visible_[row.id] = row.visible;
        texts_[{row.parent, row.id}] = row.text;
    }
    windowVisible_ = {{Window::Main, true}, {Window::AddPuzzles, false}, {Window::Message, false}};
    origins_ = {
        {Window::Main, {62, 6}}, {Window::AddPuzzles, {162, -66}}, {Window::Message, {237, 34}}};
}

void RecordingUi::setText(Window window, int id, const std::string& text) {
    texts_[{window, id}] = text;
}

std::string RecordingUi::readText(Window window, int id) {
    return text(window, id);
}

void RecordingUi::emptyEdit(Window window, int id) {
    texts_[{window, id}].clear();
}

void RecordingUi::showControl(int id, bool visible) {
    control(id);
    visible_[id] = visible;
}

void RecordingUi::showWindow(Window window, bool visible) {
    windowVisible_[window] = visible;
}

void RecordingUi::giveFocus(Window window) {
    focus = window;
    focusGiven = true;
}

void RecordingUi::beep() {
    ++beeps;
}

Rect RecordingUi::screenRect(int id) {
    const ControlRow& row = control(id);
    const Rect client = shownRect(row);
    const Point topLeft = clientToScreen(row.parent, {client.left, client.top});
    const Point bottomRight = clientToScreen(row.parent, {client.right, client.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

Point RecordingUi::clientToScreen(Window window, Point client) {
    const Point origin = origins_.at(window);
    return {origin.x + client.x, origin.y + client.y};
}

void RecordingUi::playSound(int waveId) {
    sounds.push_back(waveId);
}

void RecordingUi::minimize() {
    ++minimized;
}

void RecordingUi::moveWindow(Window window, int dx, int dy) {
    moves.push_back({window, dx, dy});
    origins_[window].x += dx;
    origins_[window].y += dy;
}

bool RecordingUi::windowTitled(const std::string& title) {
    return std::find(windowTitles.begin(), windowTitles.end(), title) != windowTitles.end();
}

bool RecordingUi::openHelp(const std::string& file) {
    helpOpened.push_back(file);
    return helpOpens;
}

void RecordingUi::messageBox(const std::string& text, const std::string& caption, bool topmost) {
    boxes.push_back({text, caption, topmost});
}

void RecordingUi::endRun() {
    runEnded = true;
}

std::string RecordingUi::text(Window window, int id) const {
    const auto found = texts_.find({window, id});
    return found == texts_.end() ? std::string() : found->second;
}

bool RecordingUi::visible(int id) const {
    return visible_.at(id);
}

bool RecordingUi::windowVisible(Window window) const {
    return windowVisible_.at(window);
}

Point RecordingUi::middleOf(int id) const {
    const Rect client = shownRect(control(id));
    return {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
}

void RecordingUi::offerLanguages(const std::string& current) {
    languagesOffered.push_back(current);
}

} // namespace tallyrope
