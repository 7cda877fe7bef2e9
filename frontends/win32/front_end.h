// What one run of the Windows program holds. The window procedure reaches it through the
// user data of each of the three windows.
#pragma once

#include "frontends/win32/fonts.h"
#include "frontends/win32/win32_ui.h"
#include "state/random.h"
#include "state/session.h"

#include <array>
#include <memory>

#include <windows.h>

namespace tallyrope {

struct FrontEnd {
    FrontEnd(HINSTANCE instance, const std::string& folder)
        : instance(instance), ui(instance), session(ui, random, Paths::inFolder(folder)) {}

    HINSTANCE instance;
    Win32Ui ui;
    MersenneRandom random;
    Session session;
    // The fonts of each window's controls, at the window's scale.
    std::array<std::unique_ptr<ControlFonts>, 3> fonts;
};

} // namespace tallyrope
