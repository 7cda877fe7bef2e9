// How long start-up and a player's clicks take in the core, over the shipped collection.
// Run with `make bench`.
#include "storage/puzzle_store.h"
#include "ui/control_ids.h"
#include "ui/fake/recording_ui.h"
#include "ui/routing.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace tallyrope {
namespace {

namespace fs = std::filesystem;

// A play folder holding the shipped store, unscrambled as at start-up.
struct PlayFolder {
    PlayFolder() {
        folder = fs::temp_directory_path() / "tallyrope-bench";
        fs::create_directories(folder);
        paths = Paths::inFolder(folder.string() + "/");
        fs::copy_file(TALLYROPE_SHIPPED_STORE, paths.LoadsFile,
                      fs::copy_options::overwrite_existing);
        OnLoads(paths.LoadsFile, paths.WordsFile);
    }
    ~PlayFolder() { fs::remove_all(folder); }

    fs::path folder;
    Paths paths;
};

void StartUpUnscramblesTheStore(benchmark::State& state) {
    PlayFolder play;
    for (auto _ : state) {
        benchmark::DoNotOptimize(OnLoads(play.paths.LoadsFile, play.paths.WordsFile));
    }
}
BENCHMARK(StartUpUnscramblesTheStore);

void FirstNewGameCountsAndDraws(benchmark::State& state) {
    PlayFolder play;
    RecordingUi ui;
    CLibraryRandom random;
    for (auto _ : state) {
        Session session(ui, random, play.paths);
        runCommand(session, id::hNewGame);
    }
}
BENCHMARK(FirstNewGameCountsAndDraws);

void LaterNewGameDraws(benchmark::State& state) {
    PlayFolder play;
    RecordingUi ui;
    CLibraryRandom random;
    Session session(ui, random, play.paths);
    runCommand(session, id::hNewGame);
    for (auto _ : state) {
        runCommand(session, id::hNewGame);
    }
}
BENCHMARK(LaterNewGameDraws);

void TileClick(benchmark::State& state) {
    PlayFolder play;
    RecordingUi ui;
    CLibraryRandom random;
    Session session(ui, random, play.paths);
    const Point tileE = ui.middleOf(id::letterTile('E' - 'A'));
    for (auto _ : state) {
        state.PauseTiming();
        runCommand(session, id::hNewGame);
        state.ResumeTiming();
        leftButtonDown(session, Window::Main, tileE);
    }
}
BENCHMARK(TileClick);

} // namespace
} // namespace tallyrope

BENCHMARK_MAIN();
