#include "sdl_game.h"

#include "frontends/sdl/windows.h"
#include "ui/control_table.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tallyrope::test {

namespace {

Point middleOf(int id, Scale scale) {
    const Rect rect = shownRect(*findControl(id));
    return {scale.toDevice((rect.left + rect.right) / 2),
            scale.toDevice((rect.top + rect.bottom) / 2)};
}

Uint32 rgbAt(SDL_Surface* surface, Point at) {
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_RGB888, 0);
    const auto* row = static_cast<const Uint8*>(rgb->pixels) + at.y * rgb->pitch;
    const Uint32 value = reinterpret_cast<const Uint32*>(row)[at.x] & 0xFFFFFF;
    SDL_FreeSurface(rgb);
    return value;
}

} // namespace

SdlGame::SdlGame(const std::string& scale, UsableBounds usableBounds,
                 const std::map<std::string, std::string>& files)
    : program(folder.prefix(), folder.path("welcome.html"), scale, usableBounds) {
    writeFile("TRData.dat", "BIG TOP;Circus tent:");
    writeFile("TRStats.dat", "120 3 2 40 1 5");
    writeFile("TRC_CONFIG.INI", "Disable_Console= 0\r\nDisable_VCCntls= 0\r\n");
    for (const auto& [name, bytes] : files) {
        writeFile(name, bytes);
    }
    if (!program.start()) {
        throw std::runtime_error(std::string("cannot start: ") + SDL_GetError());
    }
    program.handleEvents();
}

std::string SdlGame::file(const std::string& name) const {
    std::ifstream in(folder.path(name), std::ios::binary);
    if (!in) {
        return "<missing>";
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void SdlGame::writeFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder.path(name), std::ios::binary) << bytes;
}

bool SdlGame::push(SDL_Event event) {
    SDL_PushEvent(&event);
    return program.handleEvents();
}

SDL_Event SdlGame::mouse(Uint32 type, Window window, Point client) {
    SDL_Event event{};
    event.button.type = type;
    event.button.windowID = SDL_GetWindowID(frontEnd().ui.handle(window));
    event.button.button = SDL_BUTTON_LEFT;
    event.button.clicks = 1;
    event.button.x = client.x;
    event.button.y = client.y;
    return event;
}

bool SdlGame::click(Window window, Point client) {
    SDL_Event down = mouse(SDL_MOUSEBUTTONDOWN, window, client);
    SDL_PushEvent(&down);
    return push(mouse(SDL_MOUSEBUTTONUP, window, client));
}

bool SdlGame::clickControl(int id) {
    return click(findControl(id)->parent, middleOf(id, frontEnd().scale));
}

bool SdlGame::pressOn(int id) {
    return push(
        mouse(SDL_MOUSEBUTTONDOWN, findControl(id)->parent, middleOf(id, frontEnd().scale)));
}

bool SdlGame::releaseOn(int id) {
    return push(mouse(SDL_MOUSEBUTTONUP, findControl(id)->parent, middleOf(id, frontEnd().scale)));
}

bool SdlGame::drag(Window window, Point from, Point to) {
    SDL_Event down = mouse(SDL_MOUSEBUTTONDOWN, window, from);
    SDL_PushEvent(&down);
    SDL_Event moved{};
    moved.motion.type = SDL_MOUSEMOTION;
    moved.motion.windowID = down.button.windowID;
    moved.motion.state = SDL_BUTTON_LMASK;
    moved.motion.x = to.x;
    moved.motion.y = to.y;
    SDL_PushEvent(&moved);
    return push(mouse(SDL_MOUSEBUTTONUP, window, to));
}

bool SdlGame::key(SDL_Keycode key, Uint16 mod) {
    SDL_Event event{};
    event.key.type = SDL_KEYDOWN;
    event.key.windowID = SDL_GetWindowID(frontEnd().ui.handle(frontEnd().ui.screen().focus.window));
    event.key.keysym.sym = key;
    event.key.keysym.mod = mod;
    return push(event);
}

bool SdlGame::typeText(const std::string& utf8) {
    SDL_Event event{};
    event.text.type = SDL_TEXTINPUT;
    utf8.copy(event.text.text, sizeof event.text.text - 1);
    return push(event);
}

bool SdlGame::closeWindow(Window window) {
    SDL_Event event{};
    event.window.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    event.window.windowID = SDL_GetWindowID(frontEnd().ui.handle(window));
    return push(event);
}

std::string SdlGame::text(int id) {
    const ControlRow* row = findControl(id);
    return frontEnd().ui.readText(row->parent, id);
}

bool SdlGame::visible(int id) {
    return frontEnd().ui.screen().find(id)->visible;
}

Uint32 SdlGame::pixel(Window window, Point client) {
    return rgbAt(paintNow(frontEnd(), window), client);
}

Uint32 bitmapPixel(int bitmap, Point at) {
    const std::string path =
        std::string(TALLYROPE_SOURCE_DIR) + "/resources/bitmaps/" + std::to_string(bitmap) + ".bmp";
    SDL_Surface* surface = SDL_LoadBMP(path.c_str());
    const Uint32 value = rgbAt(surface, at);
    SDL_FreeSurface(surface);
    return value;
}

} // namespace tallyrope::test
