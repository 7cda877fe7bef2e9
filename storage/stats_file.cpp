#include "storage/stats_file.h"

#include "storage/text_file.h"

#include <cctype>
#include <limits>
#include <optional>

namespace tallyrope {

namespace {

// Reads one decimal integer as a formatted stream read does: whitespace, an optional sign and
// digits. Nothing when there is no number or it does not fit in 32 bits.
std::optional<std::int32_t> readNumber(const std::string& text, std::size_t& position) {
    while (position < text.size() && std::isspace(static_cast<unsigned char>(text[position]))) {
        ++position;
    }
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    const std::int64_t limit = negative ? -std::int64_t{std::numeric_limits<std::int32_t>::min()}
                                        : std::int64_t{std::numeric_limits<std::int32_t>::max()};
    std::int64_t magnitude = 0;
    bool anyDigit = false;
    bool tooLarge = false;
    while (position < text.size() && std::isdigit(static_cast<unsigned char>(text[position]))) {
        anyDigit = true;
        magnitude = magnitude * 10 + (text[position] - '0');
        if (magnitude > limit) {
            tooLarge = true;
            magnitude = limit;
        }
        ++position;
    }
    if (!anyDigit || tooLarge) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace

void loadScores(Stats& stats, const std::string& path) {
    const std::optional<std::string> text = readTextFile(path);
    if (!text) {
        return;
    }
    std::size_t position = 0;
    for (std::int32_t* counter : {&stats.pscoreone, &stats.pwinsone, &stats.plossone,
                                  &stats.pscoretwo, &stats.pwinstwo, &stats.plosstwo}) {
        const std::optional<std::int32_t> value = readNumber(*text, position);
        if (!value) {
            return;
        }
        *counter = *value;
    }
}

bool saveScores(const Stats& stats, const std::string& path) {
    const std::string text = stats.pallone() + " " + stats.pwinone() + " " + stats.plosone() +
                             " " + stats.palltwo() + " " + stats.pwintwo() + " " +
                             stats.plostwo();
    return writeTextFileSafely(path, text);
}

} // namespace tallyrope
