// The puzzle viewer's state: a forward pass through the stored puzzles, one record per Review.
#pragma once

#include <cstdint>
#include <string>

namespace tallyrope {

struct Viewer {
    // Where the pass stands in the puzzle file, after the record on view. Each step opens the
    // file, reads on from here and closes it, so no file is held open between presses.
    std::int64_t pfinds = 0;
    bool passEnded = false;   // a read of the pass met the end of the file
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

// Ends the pass; the next step opens a new one at the first record.
inline void closePass(Viewer& viewer) {
    viewer.pfinds = 0;
    viewer.passEnded = false;
    viewer.prelim = 0;
    viewer.doit = 0;
}

} // namespace tallyrope
