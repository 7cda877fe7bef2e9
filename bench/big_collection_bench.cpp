// New Puzzle, start-up and quit over puzzle files as big as an imported word list makes them.
// Each is timed next to a plain buffered read of the same file in the same iterations, so that
// both meet the same caches; x_plain_read is the one's time over the other's.
#include "big_files.h"

#include "storage/puzzle_store.h"
#include "ui/control_ids.h"
#include "ui/fake/recording_ui.h"
#include "ui/routing.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <optional>
#include <stdexcept>

extern char** environ;

namespace tallyrope::bench {
namespace {

template <typename Work> double secondsOf(Work work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times `work` after `prepare` in every iteration, with a plain read of `file` between them.
template <typename Prepare, typename Work>
void againstPlainRead(benchmark::State& state, const std::string& file, Prepare prepare,
                      Work work) {
    double readSeconds = 0;
    double workSeconds = 0;
    for (auto _ : state) {
        prepare();
        readSeconds += secondsOf([&] { plainRead(file); });
        const double seconds = secondsOf(work);
        workSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["plain_read_ms"] = 1000 * readSeconds / static_cast<double>(state.iterations());
    state.counters["x_plain_read"] = workSeconds / readSeconds;
}

// Always the last record: the draw that reads furthest into the file.
class LastRecord final : public Random {
  public:
    explicit LastRecord(int records) : records_(records) {}
    void seed(unsigned) override {}
    int next() override { return records_ - 1; }

  private:
    int records_;
};

void FirstNewPuzzle(benchmark::State& state) {
    const auto records = static_cast<std::int32_t>(state.range(0));
    const Paths paths = Paths::inFolder(databaseFolder(records));
    RecordingUi ui;
    LastRecord random(records);
    std::optional<Session> session;
    againstPlainRead(
        state, paths.WordsFile, [&] { session.emplace(ui, random, paths); },
        [&] { runCommand(*session, id::hNewGame); });
    if (session->game.gRandom != records) {
        state.SkipWithError("the count is wrong");
    }
}
BENCHMARK(FirstNewPuzzle)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void LaterNewPuzzle(benchmark::State& state) {
    const auto records = static_cast<std::int32_t>(state.range(0));
    const Paths paths = Paths::inFolder(databaseFolder(records));
    RecordingUi ui;
    LastRecord random(records);
    Session session(ui, random, paths);
    runCommand(session, id::hNewGame);
    againstPlainRead(
        state, paths.WordsFile, [] {}, [&] { runCommand(session, id::hNewGame); });
}
BENCHMARK(LaterNewPuzzle)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void StartUpUnscrambles100MBStore(benchmark::State& state) {
    const Paths paths = Paths::inFolder(storeFolder());
    againstPlainRead(
        state, paths.LoadsFile, [] {}, [&] { OnLoads(paths.LoadsFile, paths.WordsFile); });
    state.SetBytesProcessed(state.iterations() * fileSize(paths.LoadsFile));
}
BENCHMARK(StartUpUnscrambles100MBStore)->UseManualTime()->Unit(benchmark::kMillisecond);

void QuitScrambles100MBStore(benchmark::State& state) {
    const Paths paths = Paths::inFolder(storeFolder());
    // The quit purges the working file; start-up brings it back for the next quit.
    againstPlainRead(
        state, paths.LoadsFile, [&] { OnLoads(paths.LoadsFile, paths.WordsFile); },
        [&] { OnExits(paths.WordsFile, paths.LoadsFile); });
    state.SetBytesProcessed(state.iterations() * fileSize(paths.LoadsFile));
}
BENCHMARK(QuitScrambles100MBStore)->UseManualTime()->Unit(benchmark::kMillisecond);

// The peak memory of one run of the puzzle tool, in KiB.
long peakKiBOfTool(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    std::string program = TALLYROPE_PUZZLE_TOOL;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + program);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error(program + " failed");
    }
    return usage.ru_maxrss;
}

void PuzzleToolUnpacks100MBStore(benchmark::State& state) {
    const std::string folder = storeFolder();
    const std::string store = folder + "OnLoad.dat";
    long peakKiB = 0;
    for (auto _ : state) {
        peakKiB = std::max(peakKiB, peakKiBOfTool({"unpack", store, folder + "unpacked"}));
    }
    const double storeMiB = static_cast<double>(fileSize(store)) / (1024 * 1024);
    state.counters["store_MiB"] = storeMiB;
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024;
    state.counters["x_store"] = static_cast<double>(peakKiB) / 1024 / storeMiB;
}
BENCHMARK(PuzzleToolUnpacks100MBStore)->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tallyrope::bench
