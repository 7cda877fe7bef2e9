#include "tools/puzzles/database_text.h"

namespace tallyrope::puzzles {

DatabaseText splitDatabase(std::string_view text) {
    DatabaseText database;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t phraseEnd = text.find(';', start);
        if (phraseEnd == std::string_view::npos) {
            database.trailing = text.substr(start);
            break;
        }
        DatabaseRecord record;
        record.puzzle.phrase = text.substr(start, phraseEnd - start);
        const std::size_t hintEnd = text.find(':', phraseEnd + 1);
        record.closed = hintEnd != std::string_view::npos;
        const std::size_t end = record.closed ? hintEnd : text.size();
        record.puzzle.hint = text.substr(phraseEnd + 1, end - phraseEnd - 1);
        database.records.push_back(std::move(record));
        start = end + 1;
    }
    return database;
}

} // namespace tallyrope::puzzles
