#include "frontends/sdl/sdl_ui.h"

#include "frontends/sdl/code_page.h"
#include "frontends/sdl/fonts.h"
#include "frontends/sdl/sound_player.h"
#include "text/catalogue.h"
#include "text/languages.h"

#include <SDL_ttf.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace tallyrope {

namespace {

std::size_t slot(Window window) {
    return static_cast<std::size_t>(window);
}

// A file path as a URL; bytes outside the unreserved set are escaped.
std::string fileUrl(const std::string& path) {
    static const char hex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const unsigned char c : std::filesystem::absolute(path).string()) {
        if (std::isalnum(c) ||
            std::string("/-._~").find(static_cast<char>(c)) != std::string::npos) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += hex[c >> 4];
            url += hex[c & 15];
        }
    }
    return url;
}

} // namespace

SdlUi::SdlUi(const Fonts& fonts, SoundPlayer& sounds, Scale scale)
    : fonts_(fonts), sounds_(sounds), scale_(scale) {
    for (const ControlRow& row : controlTable()) {
        ControlState& state = screen_.controls[row.id];
        state.row = &row;
        state.visible = row.visible;
        if (row.kind == ControlKind::Edit) {
            const int id = row.id;
            TTF_Font* font = fonts_.font(row.font);
            state.edit =
                std::make_unique<EditBox>(row.textLimit, [this, id, font](const std::string& text) {
                    return textWidth(font, text) <= editWidth(id);
                });
        } else {
            state.text = row.text;
        }
    }
}

void SdlUi::attach(Window window, SDL_Window* handle) {
    windows_[slot(window)] = handle;
}

SDL_Window* SdlUi::handle(Window window) const {
    return windows_[slot(window)];
}

bool SdlUi::windowOf(Uint32 windowId, Window& window) const {
    for (Window candidate : {Window::Main, Window::AddPuzzles, Window::Message}) {
        SDL_Window* known = handle(candidate);
        if (known != nullptr && SDL_GetWindowID(known) == windowId) {
            window = candidate;
            return true;
        }
    }
    return false;
}

int SdlUi::controlAt(Window window, Point client) const {
    for (const ControlRow& row : controlTable()) {
        const bool takesPointer =
            row.kind == ControlKind::OwnerDrawnButton || row.kind == ControlKind::Edit;
        if (row.parent == window && takesPointer && screen_.find(row.id)->visible &&
            shownRect(row).contains(client)) {
            return row.id;
        }
    }
    return 0;
}

int SdlUi::editWidth(int id) const {
    return screen_.find(id)->row->width - 2 * editMargin;
}

ControlState* SdlUi::control(Window window, int id) {
    ControlState* state = screen_.find(id);
    return state != nullptr && state->row->parent == window ? state : nullptr;
}

void SdlUi::setText(Window window, int id, const std::string& text) {
    ControlState* state = control(window, id);
    if (state == nullptr) {
        return;
    }
    if (state->edit) {
        state->edit->setText(text);
    } else {
        state->text = text;
    }
    screen_.touch(window);
}

std::string SdlUi::readText(Window window, int id) {
    const ControlState* state = control(window, id);
    if (state == nullptr) {
        return {};
    }
    return state->edit ? state->edit->text() : state->text;
}

void SdlUi::emptyEdit(Window window, int id) {
    ControlState* state = control(window, id);
    if (state == nullptr || !state->edit) {
        return;
    }
    state->edit->deleteSelection();
    state->edit->setText("");
    screen_.touch(window);
}

void SdlUi::showControl(int id, bool visible) {
    if (ControlState* state = screen_.find(id)) {
        state->visible = visible;
        screen_.touch(state->row->parent);
    }
}

void SdlUi::showWindow(Window window, bool visible) {
    screen_.windowShown[slot(window)] = visible;
    if (SDL_Window* shown = handle(window)) {
        if (visible) {
            SDL_ShowWindow(shown);
            SDL_RaiseWindow(shown);
        } else {
            SDL_HideWindow(shown);
        }
    }
    screen_.touch(window);
    // As the window system does, the keys of a window going out of sight go to the main window.
    if (!visible && window != Window::Main && screen_.focus.window == window) {
        giveFocus(Window::Main);
    }
}

void SdlUi::giveFocus(Window window) {
    const Window before = screen_.focus.window;
    screen_.focus = {window, 0};
    screen_.touch(before);
    screen_.touch(window);
    SDL_Window* focused = handle(window);
    if (focused != nullptr && SDL_GetKeyboardFocus() != focused &&
        screen_.windowShown[slot(window)]) {
        SDL_SetWindowInputFocus(focused);
    }
}

void SdlUi::beep() {
    sounds_.beep();
}

Rect SdlUi::screenRect(int id) {
    const ControlState* state = screen_.find(id);
    if (state == nullptr) {
        return {};
    }
    const Rect client = shownRect(*state->row);
    const Point topLeft = clientToScreen(state->row->parent, {client.left, client.top});
    return {topLeft.x, topLeft.y, topLeft.x + client.right - client.left,
            topLeft.y + client.bottom - client.top};
}

Point SdlUi::clientToScreen(Window window, Point client) {
    int x = 0;
    int y = 0;
    if (SDL_Window* known = handle(window)) {
        SDL_GetWindowPosition(known, &x, &y);
    }
    return {x + client.x, y + client.y};
}

void SdlUi::playSound(int waveId) {
    sounds_.play(waveId);
}

void SdlUi::minimize() {
    SDL_MinimizeWindow(handle(Window::Main));
}

void SdlUi::moveWindow(Window window, int dx, int dy) {
    SDL_Window* moved = handle(window);
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(moved, &x, &y);
    SDL_SetWindowPosition(moved, x + scale_.length(dx), y + scale_.length(dy));
}

bool SdlUi::windowTitled(const std::string&) {
    // Browsers title their windows after the page and themselves, and SDL lists no other
    // program's windows: a guide already open cannot be told apart, so help always opens.
    return false;
}

bool SdlUi::openHelp(const std::string& file) {
    return std::filesystem::is_regular_file(file) && SDL_OpenURL(fileUrl(file).c_str()) == 0;
}

void SdlUi::messageBox(const std::string& text, const std::string& caption, bool) {
    const std::string shown = toUtf8(text);
    if (SDL_ShowSimpleMessageBox(0, toUtf8(caption).c_str(), shown.c_str(), nullptr) != 0) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), shown.c_str());
    }
}

void SdlUi::endRun() {
    runEnded_ = true;
    if (saved_) {
        saved_();
    }
    for (SDL_Window* window : windows_) {
        if (window != nullptr) {
            SDL_HideWindow(window);
        }
    }
}

// SDL has no menus: a box with a button for each language, the one in play the default.
void SdlUi::offerLanguages(const std::string& current) {
    const std::vector<Language>& offered = languages();
    std::vector<std::string> names;
    for (const Language& language : offered) {
        names.push_back(toUtf8(language.name));
    }
    std::vector<SDL_MessageBoxButtonData> buttons;
    for (std::size_t i = 0; i < offered.size(); ++i) {
        const Uint32 flags =
            offered[i].code == current ? SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT : 0;
        buttons.push_back({flags, static_cast<int>(i), names[i].c_str()});
    }
    const std::string cancel = toUtf8(translate(current, "Cancel"));
    const std::string question =
        toUtf8(translate(current, "The language of the puzzles and the letters:"));
    buttons.push_back({SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, -1, cancel.c_str()});
    const SDL_MessageBoxData box{SDL_MESSAGEBOX_INFORMATION | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
                                 handle(Window::Main),
                                 "Tallyrope",
                                 question.c_str(),
                                 static_cast<int>(buttons.size()),
                                 buttons.data(),
                                 nullptr};
    int chosen = -1;
    if (SDL_ShowMessageBox(&box, &chosen) == 0 && chosen >= 0) {
        languageChosen_ = offered[static_cast<std::size_t>(chosen)].code;
    }
}

} // namespace tallyrope
