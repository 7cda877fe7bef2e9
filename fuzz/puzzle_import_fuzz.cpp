// A file brought into the browser's game, from any bytes: it is taken only as whole puzzles,
// plain or scrambled, that go into a store and come back from it unchanged; a refused file
// leaves nothing behind.
#include "fuzz_support.h"

#include "frontends/web/puzzle_import.h"
#include "storage/puzzle_store.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tallyrope;
    using namespace tallyrope::fuzz;
    const ScratchFolder& folder = emptyScratchFolder();
    const std::string imported = folder.path("imported");
    const std::string plain = folder.path("TRData.plain");
    writeBytes(imported, Input(data, size).rest());
    if (!unpackImport(imported, plain)) {
        FUZZ_CHECK(!readBytes(plain));
        return 0;
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
    return 0;
}
