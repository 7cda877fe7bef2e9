// A file brought into the browser's game, from any bytes: it is taken as puzzles only when it is
// whole puzzles, plain or scrambled, that go into a store and come back from it unchanged; a
// refused file leaves nothing behind; looking for the console's locks in it never changes it, and
// finds them exactly when the file sets both.
#include "fuzz_support.h"

#include "frontends/web/configuration_import.h"
#include "frontends/web/puzzle_import.h"
#include "state/settings.h"
#include "storage/config_file.h"
#include "storage/puzzle_store.h"

#include <algorithm>

namespace tallyrope::fuzz {
namespace {

void checkPuzzles(const ScratchFolder& folder, const std::string& imported) {
    const std::string plain = folder.path("TRData.plain");
    if (!unpackImport(imported, plain)) {
        FUZZ_CHECK(!readBytes(plain));
        return;
    }
    const std::optional<std::string> text = readTextFile(plain);
    const std::optional<std::string> read = readTextFile(imported);
    FUZZ_CHECK(text && !text->empty() && (text == read || *text == unscramble(*read)));
    FUZZ_CHECK(std::none_of(text->begin(), text->end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x20; }));
    FUZZ_CHECK(text->back() == ':');
    const std::string store = folder.path("OnLoad.dat");
    const std::string back = folder.path("TRData.dat");
    FUZZ_CHECK(packStore(plain, store) == Transfer::Done);
    FUZZ_CHECK(unpackStore(store, back) == Transfer::Done);
    FUZZ_CHECK(readTextFile(back) == text);
}

// The locks are found exactly when the file decides both, whatever the game held before.
void checkLocks(const std::string& imported) {
    const std::optional<std::string> bytes = readBytes(imported);
    const bool found = yieldsBothLocks(imported);
    Settings unlocked;
    Settings locked;
    locked.ConsoleUse = 1;
    locked.EditingUse = 1;
    Userchoice(unlocked, imported);
    Userchoice(locked, imported);
    FUZZ_CHECK(readBytes(imported) == bytes);
    FUZZ_CHECK(yieldsBothLocks(imported) == found);
    FUZZ_CHECK(found == (unlocked.ConsoleUse == locked.ConsoleUse &&
                         unlocked.EditingUse == locked.EditingUse));
}

} // namespace
} // namespace tallyrope::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tallyrope::fuzz;
    const ScratchFolder& folder = emptyScratchFolder();
    const std::string imported = folder.path("imported");
    writeBytes(imported, Input(data, size).rest());
    checkLocks(imported);
    checkPuzzles(folder, imported);
    return 0;
}
