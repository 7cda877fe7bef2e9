// The working puzzle file from any bytes, as a new round, the viewer and the console read and
// change it: each finds the records that the puzzle tool's own split finds, the count is their
// number, a delete takes only the record on view and an added puzzle comes last.
#include "fuzz_support.h"

#include "app/routing.h"
#include "editor/flipthru.h"
#include "storage/puzzle_file.h"
#include "text/latin_case.h"
#include "tools/puzzles/database_text.h"
#include "ui/control_ids.h"
#include "ui/fake/recording_ui.h"

#include <algorithm>
#include <vector>

namespace tallyrope::fuzz {
namespace {

using Records = std::vector<Puzzle>;

// The records of the file as the puzzle tool splits its text.
Records recordsOf(const std::string& path) {
    Records records;
    for (const puzzles::DatabaseRecord& record :
         puzzles::splitDatabase(*readTextFile(path)).records) {
        records.push_back(record.puzzle);
    }
    return records;
}

bool same(const std::optional<Puzzle>& read, const Puzzle& expected) {
    return read && read->phrase == expected.phrase && read->hint == expected.hint;
}

bool same(const Records& a, const Records& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Puzzle& x, const Puzzle& y) { return same(x, y); });
}

// One record before the bytes, long enough that these start `before` bytes ahead of the
// reader's second block.
Puzzle recordFilling(std::size_t before) {
    return {"ab", std::string(TextReader::blockSize - before - 4, 'h')};
}

class ByteRandom final : public Random {
  public:
    explicit ByteRandom(int number) : number_(number) {}
    void seed(unsigned) override {}
    int next() override { return number_; }

  private:
    int number_;
};

void readByNumber(const std::string& path, const Records& expected) {
    PuzzleFileReader reader(path);
    const auto count = static_cast<std::int32_t>(expected.size());
    FUZZ_CHECK(reader.count() == count);
    FUZZ_CHECK(countPuzzles(path) == count);
    // Backwards, so that each read goes back to a place the count noted. A sample of at most
    // 64, to stay quick.
    const std::int32_t step = std::max(1, count / 64);
    for (std::int32_t i = count - 1; i >= 0; i -= step) {
        FUZZ_CHECK(same(reader.read(i), expected[i]));
    }
    FUZZ_CHECK(!reader.read(count));
}

struct Table {
    Table(const std::string& folder, int number)
        : random(number), session(ui, random, Paths::inFolder(folder)) {}

    void press(int id) { FUZZ_CHECK(runCommand(session, id)); }
    std::pair<std::string, std::string> boxes() const {
        return {ui.text(Window::AddPuzzles, id::hEditWord),
                ui.text(Window::AddPuzzles, id::hEditHint)};
    }

    RecordingUi ui;
    ByteRandom random;
    Session session;
};

void drawOne(Table& t, const Records& records, int number) {
    t.press(id::hNewGame);
    FUZZ_CHECK(t.session.game.gRandom == static_cast<std::int32_t>(records.size()));
    const std::string noData = "No data";
    if (records.empty()) {
        FUZZ_CHECK(t.ui.text(id::hGiveHint) == noData);
        return;
    }
    const Puzzle& drawn = records[number % records.size()];
    FUZZ_CHECK(t.session.game.solveword == upperCase(drawn.phrase));
    FUZZ_CHECK(t.ui.text(id::hGiveHint) == (drawn.phrase.empty() ? noData : drawn.hint));
}

// Pages through the records a pass reaches, and returns how many it showed.
std::size_t reviewAll(Table& t, const Records& records) {
    for (std::size_t shown = 0;; ++shown) {
        t.press(id::hViewNext);
        if (shown == records.size() || records[shown].phrase.size() < 2) {
            FUZZ_CHECK(t.boxes().first == resetMessage && t.boxes().second.empty());
            return shown;
        }
        FUZZ_CHECK(t.boxes() == std::make_pair(records[shown].phrase, records[shown].hint));
    }
}

// The bytes just before and after the start of the reader's second block, behind one long
// record: after it come the records that the same bytes hold in a file of their own.
void readAcrossBlocks(const std::string& path, std::uint8_t before, const std::string& bytes) {
    writeBytes(path, bytes);
    Records records = recordsOf(path);
    const Puzzle filler = recordFilling(before);
    records.insert(records.begin(), filler);
    writeBytes(path, serialise(filler) + bytes);
    readByNumber(path, records);
}

void playWithTheFile(const std::string& folder, const std::string& path, int number) {
    Records records = recordsOf(path);
    readByNumber(path, records);
    Table t(folder, number);
    drawOne(t, records, number);
    const std::size_t reachable = reviewAll(t, records);
    if (reachable > 0) {
        const std::size_t doomed = number % reachable;
        for (std::size_t i = 0; i <= doomed; ++i) {
            t.press(id::hViewNext);
        }
        t.press(id::hDelSelect);
        records.erase(records.begin() + static_cast<std::ptrdiff_t>(doomed));
        FUZZ_CHECK(same(recordsOf(path), records));
        FUZZ_CHECK(t.session.game.gRandom == countPuzzles(path));
    }
    t.ui.type(Window::AddPuzzles, id::hEditWord, "Added");
    t.ui.type(Window::AddPuzzles, id::hEditHint, "last");
    t.press(id::hAddPuzzle);
    records.push_back({"added", "last"});
    FUZZ_CHECK(same(recordsOf(path), records));
    FUZZ_CHECK(t.session.game.gRandom == countPuzzles(path));
    readByNumber(path, records);
}

} // namespace
} // namespace tallyrope::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tallyrope::fuzz;
    const ScratchFolder& folder = emptyScratchFolder();
    const std::string path = folder.path("TRData.dat");
    Input input(data, size);
    const std::uint8_t how = input.byte();
    const int number = input.byte();
    if (how & 1) {
        readAcrossBlocks(path, how, input.rest());
    } else {
        writeBytes(path, input.rest());
        playWithTheFile(folder.prefix(), path, number);
    }
    return 0;
}
