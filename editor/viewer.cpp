#include "editor/viewer.h"

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

void abortViewing(Viewer& viewer, Ui& ui) {
    PuzClicked(viewer);
    if (puzzleOnView(viewer)) {
        ui.setText(Window::AddPuzzles, id::hEditWord, "Puzzle viewing aborted...");
        ui.setText(Window::AddPuzzles, id::hEditHint, "");
        viewer.test1.clear();
        viewer.test2.clear();
        viewer.storepuzzles.clear();
    }
}

} // namespace tallyrope
