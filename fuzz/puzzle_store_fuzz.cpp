// The store and the working file from any bytes, through start-up and quit: a quit writes a
// store only when it reads back as the working file's text, and otherwise loses nothing; a
// start-up after a run that ended without its quit keeps that run's puzzles.
#include "fuzz_support.h"

#include "storage/puzzle_store.h"

#include <chrono>
#include <filesystem>

namespace tallyrope::fuzz {
namespace {

namespace fs = std::filesystem;

struct Files {
    std::string store, working;
};

// Whether the text can go into a store: its scrambled bytes hold no end-of-file mark.
bool storable(const std::optional<std::string>& text) {
    return text && scramble(*text).find(endOfFileMark) == std::string::npos;
}

void makeOlder(const std::string& path, const std::string& than) {
    fs::last_write_time(path, fs::last_write_time(than) - std::chrono::seconds(5));
}

// A run that ended without its quit left the working file newer than the store.
void startAfterASuddenEnd(const Files& files) {
    const std::optional<std::string> store = readBytes(files.store);
    const std::optional<std::string> working = readBytes(files.working);
    const std::optional<std::string> text = readTextFile(files.working);
    makeOlder(files.store, files.working);
    const bool loaded = OnLoads(files.store, files.working);
    if (text == purgeNotice) {
        return;
    }
    FUZZ_CHECK(loaded == storable(text));
    if (loaded) {
        FUZZ_CHECK(readTextFile(files.working) == text);
    } else {
        FUZZ_CHECK(readBytes(files.working) == working && readBytes(files.store) == store);
    }
}

// A store copied in after the last run is newer than the working file, and replaces it, up to
// an end-of-file mark that its unscrambled text may hold.
void startWithANewerStore(const Files& files) {
    makeOlder(files.working, files.store);
    FUZZ_CHECK(OnLoads(files.store, files.working));
    const std::string text = unscramble(*readTextFile(files.store));
    FUZZ_CHECK(readTextFile(files.working) == text.substr(0, text.find(endOfFileMark)));
}

void quitThenStart(const Files& files) {
    const std::optional<std::string> store = readBytes(files.store);
    const std::optional<std::string> working = readBytes(files.working);
    const std::optional<std::string> text = readTextFile(files.working);
    FUZZ_CHECK(OnExits(files.working, files.store) == storable(text));
    if (!storable(text)) {
        FUZZ_CHECK(readBytes(files.working) == working && readBytes(files.store) == store);
        return;
    }
    FUZZ_CHECK(readBytes(files.working) == purgeNotice);
    FUZZ_CHECK(OnLoads(files.store, files.working));
    FUZZ_CHECK(readTextFile(files.working) == text);
}

} // namespace
} // namespace tallyrope::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tallyrope::fuzz;
    const ScratchFolder& folder = emptyScratchFolder();
    const Files files{folder.path("OnLoad.dat"), folder.path("TRData.dat")};
    Input input(data, size);
    const std::uint8_t start = input.byte() % 3;
    const std::string store = input.text();
    writeBytes(files.working, input.rest());
    if (start != 0) {
        writeBytes(files.store, store);
    }
    if (start == 1) {
        startAfterASuddenEnd(files);
    } else if (start == 2) {
        startWithANewerStore(files);
    }
    quitThenStart(files);
    return 0;
}
