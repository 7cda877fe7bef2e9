// The puzzle viewer's state: a forward pass through the stored puzzles, one record per Review.
#pragma once

#include "storage/text_file.h"

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
inline void closePass(Viewer& viewer) {
    viewer.pfinds.close();
    viewer.prelim = 0;
    viewer.doit = 0;
}

} // namespace tallyrope
