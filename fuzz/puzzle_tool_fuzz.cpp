// The puzzle tool's readers from any bytes: a split gives the text back; a collection that
// compiles gives a database of exactly its puzzles that keeps the rules; the tool's own
// commands pack and unpack a database to the same text and list each of its records.
#include "fuzz_support.h"

#include "storage/puzzle_store.h"
#include "tools/puzzles/collection_source.h"
#include "tools/puzzles/commands.h"
#include "tools/puzzles/database_check.h"
#include "tools/puzzles/database_text.h"

#include <algorithm>
#include <sstream>

namespace tallyrope::fuzz {
namespace {

using namespace tallyrope::puzzles;

std::string joined(const DatabaseText& database) {
    std::string text;
    for (const DatabaseRecord& record : database.records) {
        text += record.puzzle.phrase + ";" + record.puzzle.hint + (record.closed ? ":" : "");
    }
    return text + database.trailing;
}

int runTool(const std::vector<std::string>& arguments, std::string& out) {
    std::ostringstream output, errors;
    const int code = runPuzzleTool(arguments, output, errors);
    out = output.str();
    return code;
}

void compiles(const std::string& source) {
    const CompiledCollection collection = compileCollection(source, "collection.txt");
    if (!collection.refusals.empty()) {
        return;
    }
    const DatabaseText database = splitDatabase(collection.database);
    FUZZ_CHECK(database.records.size() == collection.puzzles && database.trailing.empty());
    FUZZ_CHECK(std::all_of(database.records.begin(), database.records.end(),
                           [](const DatabaseRecord& record) { return record.closed; }));
    FUZZ_CHECK(checkDatabase(collection.database).empty());
}

void packsAndLists(const ScratchFolder& folder, const std::string& bytes) {
    const std::string plain = folder.path("TRData.plain");
    const std::string store = folder.path("OnLoad.dat");
    const std::string unpacked = folder.path("TRData.unpacked");
    writeBytes(plain, bytes);
    const std::string text = *readTextFile(plain);
    std::string out;
    FUZZ_CHECK(runTool({"list", plain}, out) == exitSuccess);
    FUZZ_CHECK(static_cast<std::size_t>(std::count(out.begin(), out.end(), '\n')) >=
               splitDatabase(text).records.size());
    const bool storable = scramble(text).find(endOfFileMark) == std::string::npos;
    FUZZ_CHECK((runTool({"pack", plain, store}, out) == exitSuccess) == storable);
    if (!storable) {
        FUZZ_CHECK(!readBytes(store));
        return;
    }
    FUZZ_CHECK(runTool({"unpack", store, unpacked}, out) == exitSuccess);
    FUZZ_CHECK(readTextFile(unpacked) == text);
    const int checked = runTool({"check", "--store", store}, out);
    FUZZ_CHECK(checked == (checkDatabase(text).empty() ? exitSuccess : exitRulesBroken));
}

} // namespace
} // namespace tallyrope::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tallyrope::fuzz;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    FUZZ_CHECK(joined(tallyrope::puzzles::splitDatabase(bytes)) == bytes);
    compiles(bytes);
    packsAndLists(emptyScratchFolder(), bytes);
    return 0;
}
