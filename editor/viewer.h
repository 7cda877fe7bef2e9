// The puzzle viewer: a forward pass through the stored puzzles, one record per Review.
#pragma once

#include "storage/text_file.h"
#include "ui/ui.h"

#include <cstdint>
#include <string>

namespace tallyrope {

struct Viewer {
    TextReader pfinds;        // open during a pass, after the record on view
    std::int32_t prelim = 0;  // steps of the pass; 0: no pass open
    std::string test1;        // phrase on view, as stored; empty while no record is on view
    std::string test2;        // hint on view
    std::string storepuzzles; // the records passed over in this pass, for a rewrite
    std::int32_t doit = 0;    // 1 while a delete runs
    std::string EndofFile;    // a message waiting for the phrase box
};

inline bool recordOnView(const Viewer& viewer) {
    return !viewer.test1.empty();
}

// Closes the read stream; the next step opens a new pass at the first record.
void closePass(Viewer& viewer);

// Ends the pass when a stored puzzle's hint is on view.
void PuzClicked(Viewer& viewer);

// New Game's abort step: ends a pass that shows a stored puzzle and says so in the phrase box.
void abortViewing(Viewer& viewer, Ui& ui);

} // namespace tallyrope
