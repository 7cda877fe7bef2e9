#include "text/language.h"

#include <algorithm>

namespace tallyrope {

namespace {

unsigned char byteOf(char c) {
    return static_cast<unsigned char>(c);
}

// The code page's case pairs beyond A to Z: the Latin-1 letters, then four of its own.
constexpr std::pair<unsigned char, unsigned char> extraPairs[] = {
    {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string> wordsOf(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    for (char c : line + ' ') {
        if (!isBlank(c)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

// "X=Y": one byte before the "=", at least one after it.
bool splitPair(const std::string& word, char& from, std::string& to) {
    if (word.size() < 3 || word[1] != '=') {
        return false;
    }
    from = word[0];
    to = word.substr(2);
    return true;
}

struct Reader {
    Language language;
    const std::string& tileSet;
    std::vector<std::string>& problems;
    std::size_t lineNumber = 0;

    void problem(const std::string& what) {
        problems.push_back("line " + std::to_string(lineNumber) + ": " + what);
    }

    void tiles(const std::vector<std::string>& words) {
        for (std::size_t i = 1; i < words.size(); ++i) {
            const std::string& tile = words[i];
            if (tile.size() != 1 || tileSet.find(tile[0]) == std::string::npos) {
                problem("\"" + tile + "\" has no tile");
            } else if (language.isLetter(tile[0])) {
                problem("tile \"" + tile + "\" comes twice");
            } else {
                language.tiles += tile;
                language.tileOf[byteOf(tile[0])] = tile[0];
            }
        }
    }

    void folds(const std::vector<std::string>& words) {
        for (std::size_t i = 1; i < words.size(); ++i) {
            char letter = 0;
            std::string tile;
            if (!splitPair(words[i], letter, tile) || tile.size() != 1) {
                problem("\"" + words[i] + "\" is not a fold such as \xC9=E");
            } else if (language.tiles.find(tile[0]) == std::string::npos) {
                problem("\"" + words[i] + "\" folds onto a letter without a tile");
            } else if (language.isLetter(letter) || smallOf(letter) == 0) {
                problem("\"" + words[i] + "\" folds a byte that is no new capital");
            } else {
                language.tileOf[byteOf(letter)] = tile[0];
            }
        }
    }

    void capitals(const std::vector<std::string>& words) {
        for (std::size_t i = 1; i < words.size(); ++i) {
            char letter = 0;
            std::string spelled;
            if (!splitPair(words[i], letter, spelled)) {
                problem("\"" + words[i] + "\" is not a capital such as \xDF=SS");
            } else {
                language.spelledCapitals.emplace_back(letter, spelled);
            }
        }
    }

    void marks(const std::vector<std::string>& words) {
        for (std::size_t i = 1; i < words.size(); ++i) {
            const std::string& mark = words[i];
            if (mark.size() != 1 || byteOf(mark[0]) < 0x21 ||
                std::string(";:#*_").find(mark[0]) != std::string::npos) {
                problem("\"" + mark + "\" cannot be a mark");
            } else {
                language.marks += mark;
            }
        }
    }

    void line(const std::string& text) {
        const std::vector<std::string> words = wordsOf(text);
        if (words.empty() || words[0][0] == '#') {
            return;
        }
        const std::string& key = words[0];
        if (key == "name") {
            const std::size_t start = text.find_first_not_of(" \t", text.find("name") + 4);
            language.name = start == std::string::npos ? "" : text.substr(start);
            language.name.erase(language.name.find_last_not_of(" \t") + 1);
        } else if (key == "tiles") {
            tiles(words);
        } else if (key == "folds") {
            folds(words);
        } else if (key == "capitals") {
            capitals(words);
        } else if (key == "marks") {
            marks(words);
        } else {
            problem("\"" + key + "\" is not a setting");
        }
    }

    // Spelled capitals and marks are checked once every letter is known.
    void finish() {
        if (language.name.empty()) {
            problems.push_back("no name");
        }
        if (language.tiles.empty()) {
            problems.push_back("no tiles");
        }
        for (const auto& [letter, spelled] : language.spelledCapitals) {
            for (char c : spelled) {
                if (!language.isLetter(c)) {
                    problems.push_back("the capital of \"" + std::string(1, letter) +
                                       "\" is spelt with a byte that is no letter");
                }
            }
        }
        for (char mark : language.marks) {
            if (language.isLetter(mark) || language.isLetter(capitalOf(mark))) {
                problems.push_back("mark \"" + std::string(1, mark) + "\" is a letter");
            }
        }
    }
};

} // namespace

char capitalOf(char small) {
    const unsigned char b = byteOf(small);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) {
        return static_cast<char>(b - 0x20);
    }
    for (const auto& [lower, upper] : extraPairs) {
        if (b == lower) {
            return static_cast<char>(upper);
        }
    }
    return 0;
}

char smallOf(char capital) {
    const unsigned char b = byteOf(capital);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
        return static_cast<char>(b + 0x20);
    }
    for (const auto& [lower, upper] : extraPairs) {
        if (b == upper) {
            return static_cast<char>(lower);
        }
    }
    return 0;
}

Language readLetters(const std::string& code, const std::string& bytes, const std::string& tileSet,
                     std::vector<std::string>& problems) {
    Reader reader{Language{}, tileSet, problems};
    reader.language.code = code;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string text = bytes.substr(start, end - start);
        start = end + 1;
        ++reader.lineNumber;
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        reader.line(text);
    }
    reader.finish();
    return reader.language;
}

std::string upperCase(const Language& language, const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        bool spelled = false;
        for (const auto& [letter, capitals] : language.spelledCapitals) {
            if (c == letter) {
                result += capitals;
                spelled = true;
                break;
            }
        }
        if (spelled) {
            continue;
        }
        const char capital = capitalOf(c);
        result += capital != 0 && language.isLetter(capital) ? capital : c;
    }
    return result;
}

std::string lowerCase(const Language& language, const std::string& text) {
    std::string result = text;
    for (char& c : result) {
        if (language.isLetter(c) && smallOf(c) != 0) {
            c = smallOf(c);
        }
    }
    return result;
}

char typedTile(const Language& language, char typed) {
    const std::string capitals = folded(language, upperCase(language, std::string(1, typed)));
    const bool oneTile = !capitals.empty() && language.isLetter(capitals[0]) &&
                         capitals.find_first_not_of(capitals[0]) == std::string::npos;
    return oneTile ? capitals[0] : 0;
}

std::string folded(const Language& language, const std::string& capitals) {
    std::string result = capitals;
    for (char& c : result) {
        if (language.isLetter(c)) {
            c = language.tileFor(c);
        }
    }
    return result;
}

} // namespace tallyrope
