// How long start-up and a player's clicks take in the core, over the shipped collection.
// Run with `make bench`.
#include "app/routing.h"
#include "big_files.h"
#include "storage/puzzle_store.h"
#include "ui/control_ids.h"
#include "ui/fake/recording_ui.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

namespace tallyrope {
namespace {

namespace fs = std::filesystem;

// A play folder holding the shipped store, unscrambled as at start-up, and a run over it.
struct PlayFolder {
    PlayFolder() : session(ui, random, Paths{}) {
        folder = fs::temp_directory_path() / "tallyrope-bench";
        fs::create_directories(folder);
        paths = Paths::inFolder(folder.string() + "/");
        fs::copy_file(TALLYROPE_SHIPPED_STORE, paths.LoadsFile,
                      fs::copy_options::overwrite_existing);
        OnLoads(paths.LoadsFile, paths.WordsFile);
        session.paths = paths;
    }
    ~PlayFolder() { fs::remove_all(folder); }

    fs::path folder;
    Paths paths;
    RecordingUi ui;
    MersenneRandom random;
    Session session;
};

void StartUpUnscramblesTheStore(benchmark::State& state) {
    PlayFolder play;
    for (auto _ : state) {
        // As after a quit: a working file left by a run without one would be saved first.
        state.PauseTiming();
        writeTextFileSafely(play.paths.WordsFile, purgeNotice);
        state.ResumeTiming();
        benchmark::DoNotOptimize(OnLoads(play.paths.LoadsFile, play.paths.WordsFile));
    }
}
BENCHMARK(StartUpUnscramblesTheStore);

void FirstNewGameCountsAndDraws(benchmark::State& state) {
    PlayFolder play;
    for (auto _ : state) {
        Session session(play.ui, play.random, play.paths);
        runCommand(session, id::hNewGame);
    }
}
BENCHMARK(FirstNewGameCountsAndDraws);

void LaterNewGameDraws(benchmark::State& state) {
    PlayFolder play;
    runCommand(play.session, id::hNewGame);
    for (auto _ : state) {
        runCommand(play.session, id::hNewGame);
    }
}
BENCHMARK(LaterNewGameDraws);

void TileClick(benchmark::State& state) {
    PlayFolder play;
    const Point tileE = play.ui.middleOf(id::letterTile('E' - 'A'));
    for (auto _ : state) {
        state.PauseTiming();
        runCommand(play.session, id::hNewGame);
        state.ResumeTiming();
        leftButtonDown(play.session, Window::Main, tileE);
    }
}
BENCHMARK(TileClick);

// A switch of language puts the puzzles of one language back into its store as the quit does,
// unscrambles the other's and starts a round in it: within a frame, and timed next to a plain
// read of both stores in the same iterations.
void LanguageSwitch(benchmark::State& state) {
    PlayFolder play;
    const fs::path shipped = fs::path(TALLYROPE_SHIPPED_STORE).parent_path();
    const fs::path german = play.folder / "OnLoad-de.dat";
    fs::copy_file(shipped / "OnLoad-de.dat", german, fs::copy_options::overwrite_existing);
    runCommand(play.session, id::hNewGame);
    using Clock = std::chrono::steady_clock;
    std::chrono::duration<double> plain{};
    std::chrono::duration<double> switching{};
    for (auto _ : state) {
        const auto start = Clock::now();
        bench::plainRead(play.paths.LoadsFile);
        bench::plainRead(german.string());
        const auto read = Clock::now();
        chooseLanguage(play.session, play.session.language->code == "en" ? "de" : "en");
        const auto switched = Clock::now();
        plain += read - start;
        switching += switched - read;
        state.SetIterationTime(std::chrono::duration<double>(switched - read).count());
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["switch_ms"] = 1000 * switching.count() / iterations;
    state.counters["x_plain_read"] = switching.count() / plain.count();
}
BENCHMARK(LanguageSwitch)->UseManualTime();

} // namespace
} // namespace tallyrope

BENCHMARK_MAIN();
