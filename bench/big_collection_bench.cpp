// New Puzzle, start-up and quit over puzzle files as big as an imported word list makes them.
// Each is timed next to a plain buffered read of the same file in the same iterations, so that
// both meet the same caches; x_plain_read is the one's time over the other's.
#include "big_files.h"

#include "storage/puzzle_store.h"
#include "ui/control_ids.h"
#include "ui/fake/recording_ui.h"
#include "app/routing.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <fstream>
#include <optional>
#include <stdexcept>

extern char** environ;

namespace tallyrope::bench {
namespace {

struct Times {
    double wall = 0; // seconds
    double cpu = 0;  // seconds of processor time, the kernel's work for the process included
};

template <typename Work> Times timesOf(Work work) {
    const std::clock_t cpuStart = std::clock();
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();
    return {std::chrono::duration<double>(end - start).count(),
            static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
}

// Times `work` after `prepare` in every iteration, with a plain read of `file` between them.
// Returns the work's times over all iterations.
template <typename Prepare, typename Work>
Times againstPlainRead(benchmark::State& state, const std::string& file, Prepare prepare,
                       Work work) {
    double readSeconds = 0;
    Times total;
    for (auto _ : state) {
        prepare();
        readSeconds += timesOf([&] { plainRead(file); }).wall;
        const Times times = timesOf(work);
        total.wall += times.wall;
        total.cpu += times.cpu;
        state.SetIterationTime(times.wall);
    }
    state.counters["plain_read_ms"] = 1000 * readSeconds / static_cast<double>(state.iterations());
    state.counters["x_plain_read"] = total.wall / readSeconds;
    return total;
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

// Throughput over the store's size, by the clock and by the processor time spent.
void reportThroughput(benchmark::State& state, const std::string& store, const Times& total) {
    const double megabytes =
        static_cast<double>(fileSize(store)) / 1e6 * static_cast<double>(state.iterations());
    state.counters["MB_per_s"] = megabytes / total.wall;
    state.counters["cpu_MB_per_s"] = megabytes / total.cpu;
}

void StartUpUnscrambles100MBStore(benchmark::State& state) {
    const Paths paths = Paths::inFolder(storeFolder());
    // As before a real start-up: the last quit left the notice, and no write is under way.
    const Times total = againstPlainRead(
        state, paths.LoadsFile,
        [&] {
            writeTextFileSafely(paths.WordsFile, purgeNotice);
            sync();
        },
        [&] { OnLoads(paths.LoadsFile, paths.WordsFile); });
    reportThroughput(state, paths.LoadsFile, total);
}
BENCHMARK(StartUpUnscrambles100MBStore)->UseManualTime()->Unit(benchmark::kMillisecond);

void QuitScrambles100MBStore(benchmark::State& state) {
    const Paths paths = Paths::inFolder(storeFolder());
    // The quit purges the working file; start-up brings it back for the next quit.
    const Times total = againstPlainRead(
        state, paths.LoadsFile,
        [&] {
            OnLoads(paths.LoadsFile, paths.WordsFile);
            sync();
        },
        [&] { OnExits(paths.WordsFile, paths.LoadsFile); });
    reportThroughput(state, paths.LoadsFile, total);
}
BENCHMARK(QuitScrambles100MBStore)->UseManualTime()->Unit(benchmark::kMillisecond);

// The peak memory of one run of the puzzle tool in KiB, as GNU time measures it: the tool is
// started from that small process, so none of the benchmark's own memory counts.
long peakKiBOfTool(std::vector<std::string> arguments, const std::string& report) {
    arguments.insert(arguments.begin(),
                     {"/usr/bin/time", "-f", "%M", "-o", report, TALLYROPE_PUZZLE_TOOL});
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    int status = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0 ||
        waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("cannot run the puzzle tool under /usr/bin/time");
    }
    long peakKiB = 0;
    std::ifstream(report) >> peakKiB;
    return peakKiB;
}

void PuzzleToolUnpacks100MBStore(benchmark::State& state) {
    const std::string folder = storeFolder();
    const std::string store = folder + "OnLoad.dat";
    long peakKiB = 0;
    for (auto _ : state) {
        peakKiB = std::max(peakKiB,
                           peakKiBOfTool({"unpack", store, folder + "unpacked"}, folder + "peak"));
    }
    const double storeMiB = static_cast<double>(fileSize(store)) / (1024 * 1024);
    state.counters["store_MiB"] = storeMiB;
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024;
    state.counters["x_store"] = static_cast<double>(peakKiB) / 1024 / storeMiB;
}
BENCHMARK(PuzzleToolUnpacks100MBStore)->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tallyrope::bench
