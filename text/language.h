// A language of the game: the letters its ledge shows, the letters that fold onto them, and how
// its phrases are written in capitals. All text is in the code page's bytes.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tallyrope {

struct Language {
    std::string code;  // its folder under puzzles/ and the suffix of its files: "de", "pt_BR"
    std::string name;  // as its speakers write it: "Deutsch"
    std::string tiles; // the ledge's letters, capitals, in the language's order
    std::string marks; // punctuation a phrase may hold beside the common marks
    // For each capital that is a letter of the language, the tile that guesses it (itself for a
    // tile, its base letter for a folded one); 0 for a byte that is no letter.
    std::array<char, 256> tileOf{};
    // Small letters whose capitals are spelt with other letters: ß is SS.
    std::vector<std::pair<char, std::string>> spelledCapitals;

    bool isLetter(char capital) const { return tileOf[static_cast<unsigned char>(capital)] != 0; }
    char tileFor(char capital) const { return tileOf[static_cast<unsigned char>(capital)]; }
    bool hasTile(char capital) const { return isLetter(capital) && tileFor(capital) == capital; }
};

// Reads a letters file: lines of "name", "tiles", "folds", "capitals" and "marks", "#"
// comments. `tileSet` holds every letter the art has a tile for. The problems found, one
// message each, go into `problems`; the language is usable only when there are none.
Language readLetters(const std::string& code, const std::string& bytes, const std::string& tileSet,
                     std::vector<std::string>& problems);

// The language's capitals: a small letter whose capital is a letter of the language becomes
// that capital; a spelled capital becomes its letters; every other byte stays.
std::string upperCase(const Language& language, const std::string& text);

// The language's small letters: each capital that is a letter of the language becomes small.
std::string lowerCase(const Language& language, const std::string& text);

// Capitals with every folded letter written as the tile that guesses it: "ÉTÉ" is "ETE".
std::string folded(const Language& language, const std::string& capitals);

// The tile a typed character guesses, in either case: é guesses E, ß guesses S (its capital is
// SS); 0 for a character that is no letter of the language.
char typedTile(const Language& language, char typed);

// The capital of a small letter of the code page, or 0 when it has none.
char capitalOf(char small);
// The small letter of a capital of the code page, or 0 when it has none.
char smallOf(char capital);

} // namespace tallyrope
