// Turning a puzzle into the round strings, and the string helpers the rules share.
#pragma once

#include "state/game.h"
#include "text/language.h"

#include <string>

namespace tallyrope {

// Position of the first `pattern` in `text`, or std::string::npos; sets `found` to 1 or 0.
std::size_t FindChar(const std::string& text, const std::string& pattern, std::int32_t& found);

// Replaces every `search` by `replacement`, never searching text a replacement brought in.
std::string& replaceAll(std::string& text, const std::string& search,
                        const std::string& replacement);

// Empties the eight round strings.
void clearRoundStrings(Game& game);

// Builds the round strings of the phrase and its hint into emptied round strings: every letter
// of `language` is masked, every other byte shows from the start.
void buildRoundStrings(Game& game, const Language& language, const std::string& phrase,
                       const std::string& hint);

} // namespace tallyrope
