// The statistics file from any bytes: whatever is read, a save reloads to the same six numbers
// and is written as they are shown.
#include "fuzz_support.h"

#include "state/stats.h"
#include "storage/stats_file.h"

namespace tallyrope::fuzz {
namespace {

bool sameCounters(const Stats& a, const Stats& b) {
    return a.pscoreone == b.pscoreone && a.pwinsone == b.pwinsone && a.plossone == b.plossone &&
           a.pscoretwo == b.pscoretwo && a.pwinstwo == b.pwinstwo && a.plosstwo == b.plosstwo;
}

// Counters that no file sets unread: a field that cannot be read keeps them.
Stats distinctCounters(std::int32_t first) {
    return {first, first + 1, first + 2, first + 3, first + 4, first + 5};
}

} // namespace
} // namespace tallyrope::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tallyrope;
    using namespace tallyrope::fuzz;
    const std::string path = emptyScratchFolder().path("TRStats.dat");
    writeBytes(path, std::string(reinterpret_cast<const char*>(data), size));

    Stats loaded = distinctCounters(-7);
    loadScores(loaded, path);
    FUZZ_CHECK(saveScores(loaded, path));
    FUZZ_CHECK(readBytes(path) == loaded.pallone() + " " + loaded.pwinone() + " " +
                                      loaded.plosone() + " " + loaded.palltwo() + " " +
                                      loaded.pwintwo() + " " + loaded.plostwo());
    Stats reloaded = distinctCounters(1000);
    loadScores(reloaded, path);
    FUZZ_CHECK(sameCounters(reloaded, loaded));
    return 0;
}
