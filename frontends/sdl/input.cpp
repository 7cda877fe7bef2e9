#include "frontends/sdl/input.h"

#include "app/routing.h"
#include "frontends/sdl/code_page.h"
#include "frontends/sdl/edit_keys.h"

#include <SDL_ttf.h>

namespace tallyrope {

namespace {

bool isButton(int id) {
    const ControlRow* row = findControl(id);
    return row != nullptr && row->kind == ControlKind::OwnerDrawnButton;
}

// The focused edit box, or nullptr when the keys go to a window or a button.
EditBox* focusedEdit(FrontEnd& frontEnd) {
    const Focus& focus = frontEnd.ui.screen().focus;
    ControlState* control = frontEnd.ui.screen().find(focus.control);
    return control == nullptr ? nullptr : control->edit.get();
}

// The caret index under a client point of edit box `id`.
std::size_t indexAt(FrontEnd& frontEnd, int id, Point client) {
    const ControlState& control = *frontEnd.ui.screen().find(id);
    TTF_Font* font = frontEnd.fonts.font(control.row->font);
    const auto width = [font](const std::string& prefix) { return textWidth(font, prefix); };
    return nearestIndex(control.edit->text(), client.x - control.row->x - editMargin, width);
}

void edited(FrontEnd& frontEnd, Window window) {
    frontEnd.caretSince = SDL_GetTicks();
    frontEnd.ui.screen().touch(window);
}

void buttonDown(FrontEnd& frontEnd, Window window, Point client, int clicks, bool shift) {
    ScreenState& screen = frontEnd.ui.screen();
    const int id = frontEnd.ui.controlAt(window, client);
    if (id == 0) {
        leftButtonDown(frontEnd.session, window, client);
        return;
    }
    const Window before = screen.focus.window;
    screen.focus = {window, id};
    screen.touch(before);
    if (!isButton(id)) {
        screen.find(id)->edit->placeCaret(indexAt(frontEnd, id, client), shift);
        screen.selectingText = true;
        edited(frontEnd, window);
        return;
    }
    if (clicks % 2 == 0) {
        // An owner-drawn button reports a double click as one more press, at once.
        runCommand(frontEnd.session, id);
        return;
    }
    screen.heldButton = id;
    screen.heldInside = true;
    screen.touch(window);
}

void pointerMoved(FrontEnd& frontEnd, Window window, Point client) {
    ScreenState& screen = frontEnd.ui.screen();
    if (screen.heldButton != 0) {
        const bool inside = shownRect(*findControl(screen.heldButton)).contains(client);
        if (inside != screen.heldInside) {
            screen.heldInside = inside;
            screen.touch(window);
        }
    } else if (screen.selectingText && screen.focus.control != 0) {
        const int id = screen.focus.control;
        screen.find(id)->edit->placeCaret(indexAt(frontEnd, id, client), true);
        edited(frontEnd, window);
    }
}

void buttonUp(FrontEnd& frontEnd, Window window, Point client) {
    ScreenState& screen = frontEnd.ui.screen();
    screen.selectingText = false;
    if (screen.heldButton != 0) {
        const int id = screen.heldButton;
        const bool inside = screen.heldInside;
        screen.heldButton = 0;
        screen.heldInside = false;
        screen.touch(window);
        if (inside) {
            runCommand(frontEnd.session, id);
        }
        return;
    }
    // A click on a window's background gives the keys back to the window.
    if (frontEnd.ui.controlAt(window, client) == 0) {
        frontEnd.ui.giveFocus(window);
    }
}

bool arrowOf(SDL_Keycode key, Arrow& arrow) {
    switch (key) {
    case SDLK_LEFT:
        arrow = Arrow::Left;
        return true;
    case SDLK_UP:
        arrow = Arrow::Up;
        return true;
    case SDLK_RIGHT:
        arrow = Arrow::Right;
        return true;
    case SDLK_DOWN:
        arrow = Arrow::Down;
        return true;
    default:
        return false;
    }
}

bool isEnter(SDL_Keycode key) {
    return key == SDLK_RETURN || key == SDLK_KP_ENTER;
}

void keyDown(FrontEnd& frontEnd, Window window, const SDL_KeyboardEvent& event) {
    const SDL_Keysym& key = event.keysym;
    if (key.sym == SDLK_F4 && (key.mod & KMOD_ALT) != 0) {
        closeRequest(frontEnd.session, window);
        return;
    }
    // Enter and F1 act once per press, not again while the key is held.
    if (key.sym == SDLK_F1) {
        if (event.repeat == 0) {
            helpKey(frontEnd.session);
        }
        return;
    }
    const Focus focus = frontEnd.ui.screen().focus;
    if (isEnter(key.sym) && focusedEdit(frontEnd) != nullptr) {
        if (event.repeat == 0) {
            enterKey(frontEnd.session, focus.window, focus.control);
        }
        return;
    }
    if (EditBox* edit = focusedEdit(frontEnd)) {
        const EditResult result = editKey(*edit, key.sym, key.mod);
        if (result == EditResult::Refused) {
            frontEnd.ui.beep();
        }
        if (result != EditResult::Unhandled) {
            edited(frontEnd, focus.window);
        }
        return;
    }
    Arrow arrow{};
    if (focus.control == 0 && arrowOf(key.sym, arrow)) {
        arrowKey(frontEnd.session, arrow);
    }
}

void textTyped(FrontEnd& frontEnd, const char* utf8) {
    const Focus focus = frontEnd.ui.screen().focus;
    if (EditBox* edit = focusedEdit(frontEnd)) {
        if (typeText(*edit, utf8) == EditResult::Refused) {
            frontEnd.ui.beep();
        }
        edited(frontEnd, focus.window);
    } else if (focus.window == Window::Main && focus.control == 0) {
        // Characters reach the main window one by one, as its own key presses, in the code
        // page's bytes: é is one key.
        std::string bytes;
        if (toWindows1252(utf8, bytes)) {
            for (char character : bytes) {
                letterKey(frontEnd.session, character);
            }
        }
    }
}

// Every hit test works on the tables' points.
Point tablePoint(const FrontEnd& frontEnd, int x, int y) {
    return frontEnd.scale.toTable(Point{x, y});
}

void windowEvent(FrontEnd& frontEnd, Window window, const SDL_WindowEvent& event) {
    switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
        closeRequest(frontEnd.session, window);
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        frontEnd.ui.screen().windowMinimized[static_cast<std::size_t>(window)] = true;
        break;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        frontEnd.ui.screen().windowMinimized[static_cast<std::size_t>(window)] = false;
        frontEnd.ui.screen().touch(window);
        break;
    }
}

} // namespace

void handleEvent(FrontEnd& frontEnd, const SDL_Event& event) {
    Window window{};
    switch (event.type) {
    case SDL_QUIT:
        // A signal to end the program: what the main window's close request does.
        closeRequest(frontEnd.session, Window::Main);
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT &&
            frontEnd.ui.windowOf(event.button.windowID, window)) {
            buttonDown(frontEnd, window, tablePoint(frontEnd, event.button.x, event.button.y),
                       event.button.clicks, (SDL_GetModState() & KMOD_SHIFT) != 0);
        }
        break;
    case SDL_MOUSEMOTION:
        if (frontEnd.ui.windowOf(event.motion.windowID, window)) {
            pointerMoved(frontEnd, window, tablePoint(frontEnd, event.motion.x, event.motion.y));
        }
        break;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT &&
            frontEnd.ui.windowOf(event.button.windowID, window)) {
            buttonUp(frontEnd, window, tablePoint(frontEnd, event.button.x, event.button.y));
        }
        break;
    case SDL_KEYDOWN:
        if (frontEnd.ui.windowOf(event.key.windowID, window)) {
            keyDown(frontEnd, window, event.key);
        }
        break;
    case SDL_TEXTINPUT:
        textTyped(frontEnd, event.text.text);
        break;
    case SDL_WINDOWEVENT:
        if (frontEnd.ui.windowOf(event.window.windowID, window)) {
            windowEvent(frontEnd, window, event.window);
        }
        break;
    }
}

} // namespace tallyrope
