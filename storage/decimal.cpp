#include "storage/decimal.h"

#include <cctype>
#include <limits>

namespace tallyrope {

std::optional<std::int32_t> readDecimal(const std::string& text, std::size_t& position) {
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

} // namespace tallyrope
