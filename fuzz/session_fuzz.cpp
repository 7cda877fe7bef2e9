// A whole game from any bytes, through the entry points both front ends call: start-up, rounds,
// the console's Review, Del and Add Puzzle, quits and restarts, and runs that end without their
// quit. After every step the count is the number of records in the file; a delete takes only the
// record on view; a quit or a sudden end loses no record, and a quit no score.
#include "fuzz_support.h"

#include "app/routing.h"
#include "app/start_up.h"
#include "storage/puzzle_file.h"
#include "storage/puzzle_store.h"
#include "tools/puzzles/database_text.h"
#include "ui/control_ids.h"
#include "ui/fake/recording_ui.h"

#include <chrono>
#include <filesystem>
#include <memory>

namespace tallyrope::fuzz {
namespace {

using Records = std::vector<Puzzle>;

Records recordsOf(const std::string& path) {
    Records records;
    const std::optional<std::string> text = readTextFile(path);
    for (const puzzles::DatabaseRecord& record :
         puzzles::splitDatabase(text.value_or("")).records) {
        records.push_back(record.puzzle);
    }
    return records;
}

bool same(const Puzzle& a, const Puzzle& b) {
    return a.phrase == b.phrase && a.hint == b.hint;
}

bool same(const Records& a, const Records& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Puzzle& x, const Puzzle& y) { return same(x, y); });
}

bool sameCounters(const Stats& a, const Stats& b) {
    return a.pscoreone == b.pscoreone && a.pwinsone == b.pwinsone && a.plossone == b.plossone &&
           a.pscoretwo == b.pscoretwo && a.pwinstwo == b.pwinstwo && a.plosstwo == b.plosstwo;
}

class NoWindows final : public WindowMaker {
  public:
    bool createWindows() override { return true; }
    void showMainWindow() override {}
};

// Draws the numbers the input gives.
class InputRandom final : public Random {
  public:
    explicit InputRandom(Input& input) : input_(input) {}
    void seed(unsigned) override {}
    int next() override { return input_.byte() | input_.byte() << 8; }

  private:
    Input& input_;
};

struct Run {
    Run(const Paths& paths, Input& input) : random(input), session(ui, random, paths) {}

    RecordingUi ui;
    InputRandom random;
    Session session;
};

enum class Ending { QuitButton, CloseRequest, SessionEnd, Sudden };

class Play {
  public:
    Play(const Paths& paths, Input& input) : paths_(paths), input_(input) { start(); }

    void step();
    void end(Ending ending);

  private:
    void start() {
        run_ = std::make_unique<Run>(paths_, input_);
        NoWindows windows;
        FUZZ_CHECK(startUp(run_->session, windows));
    }
    Session& session() { return run_->session; }
    RecordingUi& ui() { return run_->ui; }
    void press(int id) { FUZZ_CHECK(runCommand(session(), id)); }
    void type(Window window, int id) { ui().type(window, id, input_.text()); }

    void deleteOnView();
    void pressAnotherButton();
    void expectCountInStep();

    Paths paths_;
    Input& input_;
    std::unique_ptr<Run> run_;
};

void Play::step() {
    switch (input_.byte() % 12) {
    case 0:
        press(id::hNewGame);
        break;
    case 1:
        leftButtonDown(session(), Window::Main, ui().middleOf(id::letterTile(input_.byte() % 26)));
        break;
    case 2:
        letterKey(session(), static_cast<char>(input_.byte()));
        break;
    case 3:
        type(Window::Main, id::hSolveMe);
        enterKey(session(), Window::Main, id::hSolveMe);
        break;
    case 4:
        pressAnotherButton();
        break;
    case 5:
        press(input_.byte() % 2 == 0 ? id::hConsole : id::hNoCon);
        break;
    case 6:
        type(Window::AddPuzzles, id::hEditWord);
        type(Window::AddPuzzles, id::hEditHint);
        press(id::hAddPuzzle);
        break;
    case 7:
        press(id::hViewNext);
        break;
    case 8:
        deleteOnView();
        break;
    case 9:
        end(static_cast<Ending>(input_.byte() % 4));
        break;
    case 10:
        closeRequest(session(), input_.byte() % 2 == 0 ? Window::AddPuzzles : Window::Message);
        break;
    case 11:
        leftButtonDown(session(), Window::Main, {input_.byte() * 4, input_.byte() % 32});
        break;
    }
    expectCountInStep();
}

void Play::pressAnotherButton() {
    constexpr int buttons[] = {id::hShowWord,   id::hPlayerOne, id::hPlayerTwo, id::hSkillCntl,
                               id::hResetStats, id::hAudioCntl, id::hMsgOkBut,  id::hMinimize,
                               id::hHelpMe,     id::hPuzzled,   id::hConsole,   id::hViewNext};
    press(buttons[input_.byte() % std::size(buttons)]);
}

// The record on view is the one after those the pass went past.
void Play::deleteOnView() {
    const Viewer& viewer = session().viewer;
    const Records before = recordsOf(paths_.WordsFile);
    const bool deletes = session().settings.EditingUse == 0 && recordOnView(viewer);
    const std::size_t onView = puzzles::splitDatabase(viewer.storepuzzles).records.size();
    const Puzzle shown{viewer.test1, viewer.test2};
    press(id::hDelSelect);
    Records after = before;
    if (deletes) {
        FUZZ_CHECK(onView < before.size() && same(before[onView], shown));
        after.erase(after.begin() + static_cast<std::ptrdiff_t>(onView));
    }
    FUZZ_CHECK(same(recordsOf(paths_.WordsFile), after));
}

// From the first New Game on, when the file was counted.
void Play::expectCountInStep() {
    if (session().game.firstrun >= 1) {
        FUZZ_CHECK(session().game.gRandom == countPuzzles(paths_.WordsFile));
    }
}

void Play::end(Ending ending) {
    const std::optional<std::string> text = readTextFile(paths_.WordsFile);
    const Stats stats = session().stats;
    switch (ending) {
    case Ending::QuitButton:
        press(id::hQuitGame);
        break;
    case Ending::CloseRequest:
        closeRequest(session(), Window::Main);
        break;
    case Ending::SessionEnd:
        sessionEnds(session());
        break;
    case Ending::Sudden:
        break;
    }
    start();
    if (text) {
        FUZZ_CHECK(readTextFile(paths_.WordsFile) == text);
    }
    if (ending != Ending::Sudden) {
        FUZZ_CHECK(sameCounters(session().stats, stats));
    }
}

// The files a player may leave between runs: any puzzles, scores and locks.
void writeFiles(const Paths& paths, Input& input) {
    namespace fs = std::filesystem;
    const std::uint8_t which = input.byte();
    writeBytes(paths.WordsFile, input.text());
    const std::string store = input.text();
    if (which & 1) {
        writeBytes(paths.LoadsFile, scramble(store));
        // A run that ended without its quit left the working file the newer.
        const bool workingNewer = which & 2;
        const std::string& older = workingNewer ? paths.LoadsFile : paths.WordsFile;
        const std::string& newer = workingNewer ? paths.WordsFile : paths.LoadsFile;
        fs::last_write_time(older, fs::last_write_time(newer) - std::chrono::seconds(5));
    }
    const std::string scores = input.text();
    if (which & 4) {
        writeBytes(paths.ScoreFile, scores);
    }
    if (!(which & 8)) {
        writeBytes(paths.TimerFile, "Disable_Console= 0\nDisable_VCCntls= 0\n");
    }
}

} // namespace
} // namespace tallyrope::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tallyrope;
    using namespace tallyrope::fuzz;
    const Paths paths = Paths::inFolder(emptyScratchFolder().prefix());
    Input input(data, size);
    writeFiles(paths, input);
    Play play(paths, input);
    for (int steps = 0; steps < 500 && !input.empty(); ++steps) {
        play.step();
    }
    play.end(Ending::QuitButton);
    return 0;
}
