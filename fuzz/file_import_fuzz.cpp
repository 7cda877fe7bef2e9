// A file brought into the browser's game, from any bytes: it is taken as puzzles only when it is
// whole puzzles, plain or scrambled, that go into a store and come back from it unchanged; a
// refused file leaves nothing behind; looking for the console's locks in it never changes it.
#include "fuzz_support.h"

#include "frontends/web/configuration_import.h"
#include "frontends/web/puzzle_import.h"
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

void checkLocks(const std::string& imported) {
    const std::optional<std::string> bytes = readBytes(imported);
    const bool found = yieldsBothLocks(imported);
    FUZZ_CHECK(readBytes(imported) == bytes);
    FUZZ_CHECK(yieldsBothLocks(imported) == found);
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
