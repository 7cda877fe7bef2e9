#include "editor/add_puzzle.h"

#include "state/sounds.h"
#include "storage/puzzle_file.h"
#include "text/catalogue.h"
#include "ui/control_ids.h"

namespace tallyrope {

namespace {

// A control byte could be scrambled into the store's end-of-file mark at quit.
bool holdsControlByte(const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            return true;
        }
    }
    return false;
}

bool storable(const std::string& phrase, const std::string& hint) {
    return phrase.size() >= 2 && phrase.find(';') == std::string::npos &&
           hint.find(':') == std::string::npos && !holdsControlByte(phrase) &&
           !holdsControlByte(hint);
}

} // namespace

void addPuzzle(Session& s) {
    playwav1(s);
    const std::string phrase = s.ui.readText(Window::AddPuzzles, id::hEditWord);
    const std::string hint = s.ui.readText(Window::AddPuzzles, id::hEditHint);
    if (!storable(phrase, hint)) {
        s.ui.beep();
        return;
    }
    const Puzzle puzzle{lowerCase(*s.language, phrase),
                        hint.empty() ? translate(s.language->code, "no hint available") : hint};
    if (!ExportWord(s, serialise(puzzle))) {
        s.ui.beep();
        return;
    }
    s.ui.emptyEdit(Window::AddPuzzles, id::hEditWord);
    s.ui.emptyEdit(Window::AddPuzzles, id::hEditHint);
}

bool ExportWord(Session& s, const std::string& exportwords) {
    Viewer& v = s.viewer;
    v.storepuzzles.clear();
    v.test1.clear();
    v.test2.clear();
    // Closed before the file changes; the next Review starts at the first record.
    closePass(v);
    if (!appendRecord(s.paths.WordsFile, exportwords)) {
        return false;
    }
    s.game.gRandom = wrappingAdd(s.game.gRandom, 1);
    return true;
}

} // namespace tallyrope
