#include "editor/flipthru.h"

#include "storage/puzzle_file.h"

namespace tallyrope {

namespace {

void readNextRecord(Viewer& v) {
    Puzzle record;
    if (readRecord(v.pfinds, record) == FieldEnd::Delimiter) {
        v.test1 = record.phrase;
        v.test2 = record.hint;
    }
}

// The new file is the records passed over, then every record after the one on view, each as
// it was read; a last record that lacks its closing ":" gets it back.
void deleteRecordOnView(Session& s) {
    Viewer& v = s.viewer;
    v.test1.clear();
    v.test2.clear();
    Puzzle record;
    while (readRecord(v.pfinds, record) == FieldEnd::Delimiter) {
        v.storepuzzles += serialise(record);
    }
    // Before the rewrite: Windows cannot replace a file that is still open.
    closePass(v);
    if (writeTextFileSafely(s.paths.WordsFile, v.storepuzzles)) {
        s.game.gRandom = wrappingAdd(s.game.gRandom, -1);
    }
    v.storepuzzles.clear();
}

void endPass(Viewer& v) {
    closePass(v);
    v.test1.clear();
    v.test2.clear();
    v.EndofFile = resetMessage;
}

} // namespace

void flipthru(Session& s) {
    Viewer& v = s.viewer;
    v.prelim = wrappingAdd(v.prelim, 1);
    if (recordOnView(v) && v.doit == 0) {
        v.storepuzzles += serialise({v.test1, v.test2});
        v.test1.clear();
        v.test2.clear();
    }
    if (v.prelim == 1) {
        v.storepuzzles.clear();
        v.pfinds.open(s.paths.WordsFile);
    }
    if (v.doit == 0) {
        readNextRecord(v);
    } else {
        deleteRecordOnView(s);
    }
    if (v.test1.size() < 2) {
        endPass(v);
    }
}

} // namespace tallyrope
