#include "editor/flipthru.h"

#include "storage/puzzle_file.h"

namespace tallyrope {

namespace {

// Opens the puzzle file where the pass stands; false when it cannot, or an earlier read of the
// pass met the end.
bool resumePass(const Session& s, TextReader& reader) {
    const Viewer& v = s.viewer;
    return !v.passEnded && reader.open(s.paths.WordsFile) && reader.seek(v.pfinds);
}

void readNextRecord(Session& s) {
    Viewer& v = s.viewer;
    TextReader reader;
    resumePass(s, reader);
    Puzzle record;
    if (readRecord(reader, record) == FieldEnd::Delimiter) {
        v.test1 = record.phrase;
        v.test2 = record.hint;
    }
    v.pfinds = reader.position();
    v.passEnded = !reader.good();
}

// The new file is the records passed over, then every record after the one on view, each as
// it was read; a last record that lacks its closing ":" gets it back. False when the file could
// not be read to its end or written again: it is then as it was, and so is the pass, with the
// record on view, unless the file can no longer be opened where the pass stood.
bool deleteRecordOnView(Session& s) {
    Viewer& v = s.viewer;
    const Puzzle onView{v.test1, v.test2};
    const std::int32_t steps = v.prelim;
    const std::int64_t afterOnView = v.pfinds;
    const std::size_t passedOver = v.storepuzzles.size();
    v.test1.clear();
    v.test2.clear();
    TextReader reader;
    resumePass(s, reader);
    Puzzle record;
    while (readRecord(reader, record) == FieldEnd::Delimiter) {
        v.storepuzzles += serialise(record);
    }
    const bool readToTheEnd = !reader.failed();
    // Before the rewrite: Windows cannot replace a file that is still open.
    reader.close();
    closePass(v);
    if (readToTheEnd && rewritePuzzles(s.paths.WordsFile, v.storepuzzles)) {
        s.game.gRandom = wrappingAdd(s.game.gRandom, -1);
        v.storepuzzles.clear();
        return true;
    }
    v.storepuzzles.resize(passedOver);
    if (reader.open(s.paths.WordsFile) && reader.seek(afterOnView)) {
        v.test1 = onView.phrase;
        v.test2 = onView.hint;
        v.prelim = steps;
        v.pfinds = afterOnView;
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
    }
    bool done = true;
    if (v.doit == 0) {
        readNextRecord(s);
    } else {
        done = deleteRecordOnView(s);
    }
    if (v.test1.size() < 2) {
        endPass(v);
    }
    return done;
}

} // namespace tallyrope
