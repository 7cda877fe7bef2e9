#include "editor/console.h"

#include "state/sounds.h"

namespace tallyrope {

void showHideConsole(Session& s) {
    if (s.settings.ConsoleUse == 0) {
        playwav6(s);
        s.windows.HideCon = wrappingAdd(s.windows.HideCon, 1);
        s.ui.showWindow(Window::AddPuzzles, isOdd(s.windows.HideCon));
        s.ui.giveFocus(Window::Main);
    } else if (s.settings.ConsoleUse == 1) {
        s.ui.beep();
    }
}

// The X is only reachable while the window is on view, so one step keeps HideCon's parity.
void hideConsole(Session& s) {
    playwav6(s);
    s.windows.HideCon = wrappingAdd(s.windows.HideCon, 1);
    s.ui.showWindow(Window::AddPuzzles, false);
}

} // namespace tallyrope
