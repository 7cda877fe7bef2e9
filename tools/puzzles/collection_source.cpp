#include "tools/puzzles/collection_source.h"

#include "storage/puzzle_file.h"
#include "tools/puzzles/puzzle_rules.h"

#include <map>

namespace tallyrope::puzzles {

namespace {

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

CompiledCollection compileCollection(std::string_view source, const std::string& sourceName,
                                     const Language& language) {
    CompiledCollection collection;
    std::map<std::string, std::size_t> firstLineOfKey;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < source.size()) {
        const std::size_t end = std::min(source.find('\n', start), source.size());
        const std::string_view line = source.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (isBlank(line) || line.front() == '#') {
            continue;
        }
        const std::string where = sourceName + ":" + std::to_string(lineNumber) + ": ";
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            collection.refusals.push_back(where + "no TAB between the phrase and the hint");
            continue;
        }
        const Puzzle puzzle{std::string(line.substr(0, tab)), std::string(line.substr(tab + 1))};
        const std::size_t refusedBefore = collection.refusals.size();
        for (const std::string& broken : ruleBreaks(puzzle, language)) {
            collection.refusals.push_back(where + broken);
        }
        const auto [first, isNew] =
            firstLineOfKey.emplace(duplicateKey(puzzle.phrase, language), lineNumber);
        if (!isNew) {
            collection.refusals.push_back(where + "same phrase as line " +
                                          std::to_string(first->second));
        }
        if (collection.refusals.size() == refusedBefore) {
            collection.database += serialise({lowerCase(language, puzzle.phrase), puzzle.hint});
            ++collection.puzzles;
        }
    }
    return collection;
}

} // namespace tallyrope::puzzles
