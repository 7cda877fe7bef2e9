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
// it was read; a last record that lacks its closing ":" gets it back. False when the file could
// not be read to its end or written again: it is then as it was, and so is the pass, with the
// record on view, unless the file can no longer be opened where the pass stood.
bool deleteRecordOnView(Session& s) {
    Viewer& v = s.viewer;
    const Puzzle onView{v.test1, v.test2};
    const std::int32_t steps = v.prelim;
    const std::int64_t afterOnView = v.pfinds.position();
    const std::size_t passedOver = v.storepuzzles.size();
    v.test1.clear();
    v.test2.clear();
    Puzzle record;
    while (readRecord(v.pfinds, record) == FieldEnd::Delimiter) {
        v.storepuzzles += serialise(record);
    }
    const bool readToTheEnd = !v.pfinds.failed();
    // Before the rewrite: Windows cannot replace a file that is still open.
    closePass(v);
    if (readToTheEnd && rewritePuzzles(s.paths.WordsFile, v.storepuzzles)) {
        s.game.gRandom = wrappingAdd(s.game.gRandom, -1);
        v.storepuzzles.clear();
        return true;
    }
    v.storepuzzles.resize(passedOver);
    if (v.pfinds.open(s.paths.WordsFile) && v.pfinds.seek(afterOnView)) {
        v.test1 = onView.phrase;
        v.test2 = onView.hint;
        v.prelim = steps;
    } else {
        closePass(v);
        v.storepuzzles.clear();
    }
    return false;
}

void endPass(Viewer& v) {
    closePass(v);
    v.test1.clear();
    v.test2.clear();
    v.EndofFile = resetMessage;
}

} // namespace

bool flipthru(Session& s) {
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
    bool done = true;
    if (v.doit == 0) {
        readNextRecord(v);
    } else {
        done = deleteRecordOnView(s);
    }
    if (v.test1.size() < 2) {
        endPass(v);
    }
    return done;
}

} // namespace tallyrope
