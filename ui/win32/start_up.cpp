#include "ui/win32/start_up.h"

#include "storage/config_file.h"
#include "storage/puzzle_store.h"
#include "ui/win32/controls.h"
#include "ui/win32/front_end.h"
#include "ui/win32/program_folder.h"
#include "ui/win32/single_copy.h"
#include "ui/win32/windows.h"

#include <memory>

namespace tallyrope {

namespace {

// Creates the three windows, main first; false when a class cannot be registered.
bool createWindows(FrontEnd& frontEnd) {
    HWND main = nullptr;
    for (const WindowRow& row : windowTable()) {
        HWND window = createWindow(frontEnd, row, main);
        if (window == nullptr) {
            return false;
        }
        if (row.window == Window::Main) {
            main = window;
        } else {
            ShowWindow(window, SW_HIDE);
        }
    }
    return true;
}

int messageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace

int runProgram(HINSTANCE instance, int showCommand) {
    const std::string folder = programFolder();
    // Checked before any file is touched: the running copy owns them.
    const FolderClaim claim(folder);
    if (!claim.taken()) {
        bringRunningCopyForward(folder);
        return 0;
    }
    // Windows keep a pointer to it until the end of the run.
    const auto frontEnd = std::make_unique<FrontEnd>(instance, folder);
    const Paths& paths = frontEnd->session.paths;
    OnLoads(paths.LoadsFile, paths.WordsFile);
    if (!createWindows(*frontEnd)) {
        return 0;
    }
    createControls(*frontEnd);
    HWND main = frontEnd->ui.handle(Window::Main);
    ShowWindow(main, showCommand);
    UpdateWindow(main);
    Userchoice(frontEnd->session.settings, paths.TimerFile);
    return messageLoop();
}

} // namespace tallyrope
