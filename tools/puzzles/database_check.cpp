#include "tools/puzzles/database_check.h"

#include "tools/puzzles/database_text.h"
#include "tools/puzzles/puzzle_rules.h"

#include <map>

namespace tallyrope::puzzles {

std::vector<std::string> checkDatabase(std::string_view text, const Language& language) {
    const DatabaseText database = splitDatabase(text);
    std::vector<std::string> problems;
    std::map<std::string, std::size_t> firstRecordOfKey;
    for (std::size_t i = 0; i < database.records.size(); ++i) {
        const DatabaseRecord& record = database.records[i];
        const std::size_t number = i + 1;
        const std::string name =
            "record " + std::to_string(number) + " " + quoted(record.puzzle.phrase) + ": ";
        for (const std::string& broken : ruleBreaks(record.puzzle, language)) {
            problems.push_back(name + broken);
        }
        if (!record.closed) {
            problems.push_back(name + "hint has no closing \":\"");
        }
        const auto [first, isNew] =
            firstRecordOfKey.emplace(duplicateKey(record.puzzle.phrase, language), number);
        if (!isNew) {
            problems.push_back(name + "same phrase as record " + std::to_string(first->second));
        }
    }
    if (!database.trailing.empty()) {
        problems.push_back("after the last record: " + quoted(database.trailing) +
                           ", which is no puzzle");
    }
    return problems;
}

} // namespace tallyrope::puzzles
