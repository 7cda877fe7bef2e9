// Reading decimal integers out of a text file the way a formatted stream read does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tallyrope {

// Skips whitespace (line breaks included), then takes an optional sign and decimal digits from
// `position` on, leaving `position` after them. Nothing when there is no digit or the number
// does not fit in 32 bits.
std::optional<std::int32_t> readDecimal(const std::string& text, std::size_t& position);

} // namespace tallyrope
