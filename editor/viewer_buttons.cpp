#include "editor/viewer_buttons.h"

#include "editor/flipthru.h"
#include "state/sounds.h"
#include "storage/puzzle_file.h"
#include "text/catalogue.h"
#include "ui/control_ids.h"

namespace tallyrope {

namespace {

void showInBoxes(Session& s, const std::string& phrase, const std::string& hint) {
    s.ui.setText(Window::AddPuzzles, id::hEditWord, phrase);
    s.ui.setText(Window::AddPuzzles, id::hEditHint, hint);
}

} // namespace

void reviewNext(Session& s) {
    Viewer& v = s.viewer;
    // A waiting message is shown instead of a step, so the next press starts at the first record.
    if (s.settings.EditingUse == 0 && v.EndofFile.empty()) {
        playwav1(s);
        flipthru(s);
        showInBoxes(s, v.test1, v.test2);
    } else {
        s.ui.beep();
    }
    if (!v.EndofFile.empty()) {
        s.ui.setText(Window::AddPuzzles, id::hEditWord,
                     translate(s.language->code, v.EndofFile.c_str()));
        v.EndofFile.clear();
    }
}

void deleteOnView(Session& s) {
    Viewer& v = s.viewer;
    if (s.settings.EditingUse != 0 || !recordOnView(v)) {
        s.ui.beep();
        return;
    }
    playwav1(s);
    const Puzzle onView{v.test1, v.test2};
    v.doit = 1;
    if (flipthru(s)) {
        showInBoxes(s, "", "");
    } else {
        showInBoxes(s, onView.phrase, onView.hint);
        s.ui.beep();
    }
}

} // namespace tallyrope
