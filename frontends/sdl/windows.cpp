#include "frontends/sdl/windows.h"

#include "frontends/sdl/drawing.h"
#include "frontends/sdl/embedded_resources.h"
#include "ui/window_table.h"

#include <SDL_image.h>

namespace tallyrope {

namespace {

// Windows blinks the caret at this pace.
constexpr Uint32 caretBlink = 530;

bool caretOn(const FrontEnd& frontEnd) {
    return (SDL_GetTicks() - frontEnd.caretSince) / caretBlink % 2 == 0;
}

bool editFocused(FrontEnd& frontEnd) {
    const ScreenState& screen = frontEnd.ui.screen();
    const ControlState* control = screen.find(screen.focus.control);
    return control != nullptr && control->edit && screen.onView(screen.focus.window);
}

void setIcon(SDL_Window* window) {
    const Blob icon = iconResource();
    SDL_Surface* picture =
        IMG_Load_RW(SDL_RWFromConstMem(icon.data, static_cast<int>(icon.size)), 1);
    if (picture != nullptr) {
        SDL_SetWindowIcon(window, picture);
        SDL_FreeSurface(picture);
    }
}

Rect rectOf(const SDL_Rect& area) {
    return {area.x, area.y, area.x + area.w, area.y + area.h};
}

} // namespace

bool createWindows(FrontEnd& frontEnd) {
    SDL_Rect screen{};
    SDL_GetDisplayBounds(0, &screen);
    SDL_Rect usable{};
    if (frontEnd.usableBounds(0, &usable) != 0) {
        usable = {};
    }
    const Scale scale = frontEnd.scale;
    SDL_Window* main = nullptr;
    for (const WindowRow& row : windowTable()) {
        const Point start = startPosition(row, rectOf(screen), rectOf(usable), scale);
        const Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS |
                             (row.ownedByMain ? SDL_WINDOW_SKIP_TASKBAR : 0);
        SDL_Window* window =
            SDL_CreateWindow(row.title, start.x, start.y, scale.toDevice(row.width),
                             scale.toDevice(row.height), flags);
        if (window == nullptr) {
            return false;
        }
        if (row.ownedByMain) {
            // Transient for the main window: kept above it, and minimized with it.
            SDL_SetWindowModalFor(window, main);
        } else {
            main = window;
        }
        setIcon(window);
        frontEnd.ui.attach(row.window, window);
    }
    return true;
}

int millisecondsToBlink(FrontEnd& frontEnd) {
    if (!editFocused(frontEnd)) {
        return -1;
    }
    return static_cast<int>(caretBlink - (SDL_GetTicks() - frontEnd.caretSince) % caretBlink);
}

SDL_Surface* paintNow(FrontEnd& frontEnd, Window window) {
    SDL_Window* handle = frontEnd.ui.handle(window);
    SDL_Surface* surface = handle == nullptr ? nullptr : SDL_GetWindowSurface(handle);
    if (surface == nullptr) {
        return nullptr;
    }
    drawWindow(
        frontEnd.ui,
        {frontEnd.bitmaps, frontEnd.fonts, frontEnd.captions, frontEnd.session.language->code},
        frontEnd.scale, window, surface, caretOn(frontEnd));
    SDL_UpdateWindowSurface(handle);
    frontEnd.ui.screen().dirty[static_cast<std::size_t>(window)] = false;
    return surface;
}

void paintChanged(FrontEnd& frontEnd) {
    ScreenState& screen = frontEnd.ui.screen();
    const bool caret = caretOn(frontEnd);
    if (caret != frontEnd.caretShown && screen.focus.control != 0) {
        screen.touch(screen.focus.window);
    }
    frontEnd.caretShown = caret;
    for (Window window : {Window::Main, Window::AddPuzzles, Window::Message}) {
        const auto slot = static_cast<std::size_t>(window);
        if (screen.windowShown[slot] && screen.dirty[slot]) {
            paintNow(frontEnd, window);
        }
    }
}

} // namespace tallyrope
