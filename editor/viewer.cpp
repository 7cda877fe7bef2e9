#include "editor/viewer.h"

#include "text/catalogue.h"
#include "ui/control_ids.h"

namespace tallyrope {

namespace {

// A hint of more than two characters means a stored puzzle is on view.
bool puzzleOnView(const Viewer& viewer) {
    return viewer.test2.size() > 2;
}

} // namespace

void PuzClicked(Viewer& viewer) {
    if (puzzleOnView(viewer)) {
        closePass(viewer);
    }
}

void abortViewing(Viewer& viewer, Ui& ui, const Language& language) {
    PuzClicked(viewer);
    if (puzzleOnView(viewer)) {
        ui.setText(Window::AddPuzzles, id::hEditWord,
                   translate(language.code, "Puzzle viewing aborted..."));
        ui.setText(Window::AddPuzzles, id::hEditHint, "");
        viewer.test1.clear();
        viewer.test2.clear();
        viewer.storepuzzles.clear();
    }
}

} // namespace tallyrope
