#include "game/masking.h"

namespace tallyrope {

namespace {

// The alphabet walk: the small letters, the capitals, then the end mark, which is never masked.
// In English it is "abc...zABC...Z#".
std::string alphaOf(const Language& language) {
    std::string small;
    std::string capitals;
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        if (language.isLetter(c)) {
            capitals += c;
            if (smallOf(c) != 0) {
                small += smallOf(c);
            }
        }
    }
    return small + capitals + "#";
}

std::string spaced(const std::string& text) {
    std::string result;
    result.reserve(text.size() * 2);
    for (char c : text) {
        result += ' ';
        result += c;
    }
    return result;
}

} // namespace

std::size_t FindChar(const std::string& text, const std::string& pattern, std::int32_t& found) {
    const std::size_t position = text.find(pattern);
    found = position == std::string::npos ? 0 : 1;
    return position;
}

std::string& replaceAll(std::string& text, const std::string& search,
                        const std::string& replacement) {
    std::size_t position = text.find(search);
    while (position != std::string::npos) {
        text.replace(position, search.size(), replacement);
        position = text.find(search, position + replacement.size());
    }
    return text;
}

void clearRoundStrings(Game& game) {
    for (std::string* text :
         {&game.buildword, &game.showdashes, &game.displayword, &game.answer, &game.usedletters,
          &game.grabhint, &game.solveword, &game.doubledash}) {
        text->clear();
    }
}

void buildRoundStrings(Game& game, const Language& language, const std::string& phrase,
                       const std::string& hint) {
    const std::string alpha = alphaOf(language);
    game.solveword = upperCase(language, phrase);
    game.answer = spaced(game.solveword);
    game.buildword = game.answer;
    game.showdashes = game.answer;
    game.displayword = game.answer;
    for (std::size_t i = 0; alpha[i] != '#'; ++i) {
        const std::string letter(1, alpha[i]);
        replaceAll(game.buildword, letter, "*");
        replaceAll(game.showdashes, letter, "_");
    }
    game.doubledash = game.showdashes;
    game.grabhint = hint;
}

} // namespace tallyrope
