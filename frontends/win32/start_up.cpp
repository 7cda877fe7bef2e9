#include "frontends/win32/start_up.h"

#include "app/start_up.h"
#include "frontends/win32/captions.h"
#include "frontends/win32/controls.h"
#include "frontends/win32/display_scale.h"
#include "frontends/win32/front_end.h"
#include "frontends/win32/keyboard.h"
#include "frontends/win32/program_folder.h"
#include "frontends/win32/single_copy.h"
#include "frontends/win32/windows.h"

#include <commctrl.h>
#include <memory>
#include <string>
#include <vector>

namespace tallyrope {

namespace {

class Win32WindowMaker final : public WindowMaker {
  public:
    Win32WindowMaker(FrontEnd& frontEnd, int showCommand)
        : frontEnd_(frontEnd), showCommand_(showCommand) {}

    // The three windows, main first, then the controls; false when a class cannot be
    // registered.
    bool createWindows() override {
        // The manifest asks for today's edit, button and static controls; their classes exist
        // once the common controls are loaded.
        const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&classes);
        addCaptionFonts(frontEnd_.instance);
        // The windows start around the middle of the primary monitor, at its scale.
        HMONITOR primary = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
        const Scale scale = scaleFor(monitorDpi(primary), primary);
        HWND main = nullptr;
        for (const WindowRow& row : windowTable()) {
            HWND window = createWindow(frontEnd_, row, main, scale);
            if (window == nullptr) {
                return false;
            }
            if (row.window == Window::Main) {
                main = window;
            } else {
                ShowWindow(window, SW_HIDE);
            }
        }
        createControls(frontEnd_);
        return true;
    }

    void showMainWindow() override {
        HWND main = frontEnd_.ui.handle(Window::Main);
        ShowWindow(main, showCommand_);
        UpdateWindow(main);
    }

  private:
    FrontEnd& frontEnd_;
    int showCommand_;
};

// The user's preferred languages for the user interface, in their order: "de-DE".
std::vector<std::string> systemLanguages() {
    ULONG count = 0;
    ULONG length = 0;
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &length) || length == 0) {
        return {};
    }
    std::wstring names(length, L'\0');
    if (!GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &length)) {
        return {};
    }
    // The names follow each other, each ended by a zero, the list by a second one. They are
    // ASCII, so each wide character narrows as it is.
    std::vector<std::string> result;
    std::string name;
    for (wchar_t c : names) {
        if (c != L'\0') {
            name += static_cast<char>(c);
        } else if (!name.empty()) {
            result.push_back(name);
            name.clear();
        }
    }
    return result;
}

int messageLoop(FrontEnd& frontEnd) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (takeKey(frontEnd, message)) {
            continue;
        }
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
    Win32WindowMaker windows(*frontEnd, showCommand);
    if (!startUp(frontEnd->session, windows, systemLanguages())) {
        return 0;
    }
    return messageLoop(*frontEnd);
}

} // namespace tallyrope
