// The configuration file from any bytes: reading it never changes it, and reads the same locks
// every time.
#include "fuzz_support.h"

#include "storage/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tallyrope;
    using namespace tallyrope::fuzz;
    const std::string path = emptyScratchFolder().path("TRC_CONFIG.INI");
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    writeBytes(path, bytes);

    Settings first{5, 6, 0};
    Userchoice(first, path);
    FUZZ_CHECK(readBytes(path) == bytes);
    Settings second{5, 6, 0};
    Userchoice(second, path);
    FUZZ_CHECK(second.ConsoleUse == first.ConsoleUse && second.EditingUse == first.EditingUse);
    // Without a line and its "=" there is nothing to read.
    if (bytes.find('=') == std::string::npos) {
        FUZZ_CHECK(first.ConsoleUse == 5 && first.EditingUse == 6);
    }
    return 0;
}
