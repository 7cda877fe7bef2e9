#include "tools/puzzles/puzzle_rules.h"

#include <cstdio>

namespace tallyrope::puzzles {

namespace {

// A letter in either case, or a small letter whose capital is spelt with letters (ß).
bool isLetter(const Language& language, char c) {
    return language.isLetter(c) || language.isLetter(capitalOf(c)) ||
           language.isLetter(upperCase(language, std::string(1, c))[0]);
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isPrintableAscii(char c) {
    return c >= 0x20 && c <= 0x7E;
}

// Punctuation a phrase may hold; a ";" or ":" would split its record in the database.
bool isPhraseMark(const Language& language, char c) {
    return std::string_view("'.,-?!&").find(c) != std::string_view::npos ||
           language.marks.find(c) != std::string::npos;
}

std::string byteName(char c) {
    if (c == '\t') {
        return "a TAB";
    }
    if (isPrintableAscii(c)) {
        return quoted(std::string_view(&c, 1));
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(c));
    return std::string("byte ") + hex;
}

template <typename Allowed>
void checkBytes(std::string_view field, const char* name, Allowed allowed,
                std::vector<std::string>& breaks) {
    for (char c : field) {
        if (!allowed(c)) {
            breaks.push_back(std::string(name) + " holds " + byteName(c));
            return;
        }
    }
}

void checkSpaces(std::string_view field, const char* name, std::vector<std::string>& breaks) {
    if (!field.empty() && (field.front() == ' ' || field.back() == ' ')) {
        breaks.push_back(std::string(name) + " starts or ends with a space");
    }
}

} // namespace

std::vector<std::string> ruleBreaks(const Puzzle& puzzle, const Language& language) {
    std::vector<std::string> breaks;
    const std::string_view phrase = puzzle.phrase;
    const std::string_view hint = puzzle.hint;
    const auto isPhraseByte = [&language](char c) {
        return isLetter(language, c) || isDigit(c) || c == ' ' || isPhraseMark(language, c);
    };
    // A ":" would end the hint early; a ";" is what a phrase split by its own ";" leaves in a
    // hint.
    const auto isHintByte = [&language](char c) {
        return ((isPrintableAscii(c) || isLetter(language, c) || isPhraseMark(language, c)) &&
                c != ':' && c != ';');
    };

    if (phrase.size() < shortestPhrase || phrase.size() > longestPhrase) {
        breaks.push_back("phrase is " + std::to_string(phrase.size()) + " characters, not " +
                         std::to_string(shortestPhrase) + " to " + std::to_string(longestPhrase));
    }
    // ß shows as SS: the phrase line holds the capitals.
    const std::size_t shown = upperCase(language, std::string(phrase)).size();
    if (phrase.size() <= longestPhrase && shown > longestPhrase) {
        breaks.push_back("phrase is " + std::to_string(shown) + " characters in capitals, more " +
                         "than " + std::to_string(longestPhrase));
    }
    checkBytes(phrase, "phrase", isPhraseByte, breaks);
    std::size_t letters = 0;
    for (char c : phrase) {
        letters += isLetter(language, c) ? 1 : 0;
    }
    if (letters < 2) {
        breaks.push_back("phrase has fewer than two letters");
    }
    checkSpaces(phrase, "phrase", breaks);
    if (phrase.find("  ") != std::string_view::npos) {
        breaks.push_back("phrase holds two spaces in a row");
    }

    if (hint.empty()) {
        breaks.push_back("hint is empty");
    } else if (hint.size() > longestHint) {
        breaks.push_back("hint is " + std::to_string(hint.size()) + " characters, more than " +
                         std::to_string(longestHint));
    }
    checkBytes(hint, "hint", isHintByte, breaks);
    checkSpaces(hint, "hint", breaks);
    return breaks;
}

std::string duplicateKey(std::string_view phrase, const Language& language) {
    std::string key;
    for (char c : phrase) {
        if (!isPhraseMark(language, c)) {
            key += c;
        }
    }
    return folded(language, upperCase(language, key));
}

std::string quoted(std::string_view text) {
    std::string result = "\"";
    for (char c : text) {
        if (isPrintableAscii(c)) {
            result += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
            result += hex;
        }
    }
    return result + "\"";
}

} // namespace tallyrope::puzzles
