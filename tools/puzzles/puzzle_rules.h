// The rules every puzzle of the collection keeps, checked the same way in the collection's
// source and in a puzzle database.
#pragma once

#include "storage/puzzle_file.h"
#include "text/languages.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tallyrope::puzzles {

// The phrase and hint boxes of the game show no more than this.
constexpr std::size_t shortestPhrase = 2;
constexpr std::size_t longestPhrase = 38;
constexpr std::size_t longestHint = 34;

// One message for each rule the puzzle breaks; empty when it keeps them all. Its phrase holds
// the letters of `language`, digits, spaces and marks; its hint may hold them too, beside any
// printable ASCII.
std::vector<std::string> ruleBreaks(const Puzzle& puzzle, const Language& language = english());

// Phrases with the same key are the same puzzle: case and punctuation are ignored.
std::string duplicateKey(std::string_view phrase, const Language& language = english());

// The text in double quotes, with bytes that would not show written as \xHH.
std::string quoted(std::string_view text);

} // namespace tallyrope::puzzles
