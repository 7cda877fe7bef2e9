#include "ui/win32/title_buttons.h"

#include "game/sounds.h"
#include "ui/routing.h"

#include <shellapi.h>

namespace tallyrope {

namespace {

constexpr char helpViewerTitle[] = "Tallyrope Guide";

void loadHelp(const FrontEnd& frontEnd) {
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(
        nullptr, "open", frontEnd.session.paths.HelpFiler.c_str(), nullptr, nullptr, SW_SHOW));
    if (result <= 32) {
        MessageBoxA(nullptr, "Help files could not be opened...", "Error - Tallyrope", MB_OK);
    }
}

} // namespace

void minimizeButton(FrontEnd& frontEnd) {
    playwav2(frontEnd.session);
    ShowWindow(frontEnd.ui.handle(Window::Main), SW_MINIMIZE);
}

void helpButton(FrontEnd& frontEnd) {
    playwav1(frontEnd.session);
    if (FindWindowA(nullptr, helpViewerTitle) != nullptr) {
        MessageBoxA(nullptr, "terminating request... help program is currently in use.",
                    "System - Permission Denied", MB_OK | MB_TOPMOST);
        return;
    }
    loadHelp(frontEnd);
}

void quitButton(FrontEnd& frontEnd) {
    saveOnce(frontEnd);
    DestroyWindow(frontEnd.ui.handle(Window::Main));
}

void saveOnce(FrontEnd& frontEnd) {
    if (!frontEnd.filesSaved) {
        saveOnQuit(frontEnd.session);
        frontEnd.filesSaved = true;
    }
}

} // namespace tallyrope
