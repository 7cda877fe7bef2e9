#include "tools/puzzles/puzzle_rules.h"

#include "text/latin_case.h"

#include <cstdio>

namespace tallyrope::puzzles {

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isPrintableAscii(char c) {
    return c >= 0x20 && c <= 0x7E;
}

// Punctuation a phrase may hold; a ";" or ":" would split its record in the database.
bool isPhraseMark(char c) {
    return std::string_view("'.,-?!&").find(c) != std::string_view::npos;
}

bool isPhraseByte(char c) {
    return isLetter(c) || isDigit(c) || c == ' ' || isPhraseMark(c);
}

// A ":" would end the hint early; a ";" is what a phrase split by its own ";" leaves in a hint.
bool isHintByte(char c) {
    return isPrintableAscii(c) && c != ':' && c != ';';
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

std::vector<std::string> ruleBreaks(const Puzzle& puzzle) {
    std::vector<std::string> breaks;
    const std::string_view phrase = puzzle.phrase;
    const std::string_view hint = puzzle.hint;

    if (phrase.size() < shortestPhrase || phrase.size() > longestPhrase) {
        breaks.push_back("phrase is " + std::to_string(phrase.size()) + " characters, not " +
                         std::to_string(shortestPhrase) + " to " + std::to_string(longestPhrase));
    }
    checkBytes(phrase, "phrase", isPhraseByte, breaks);
    std::size_t letters = 0;
    for (char c : phrase) {
        letters += isLetter(c) ? 1 : 0;
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

std::string duplicateKey(std::string_view phrase) {
    std::string key;
    for (char c : phrase) {
        if (!isPhraseMark(c)) {
            key += c;
        }
    }
    return lowerCase(key);
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
