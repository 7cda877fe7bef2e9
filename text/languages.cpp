#include "text/languages.h"

#include <cctype>
#include <cstring>

namespace tallyrope {

// Ä, Ñ, Ö and Ü after the 26.
const char* const tileSet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xD1\xD6\xDC";

int tileIndex(char tile) {
    const char* place = tile == 0 ? nullptr : std::strchr(tileSet, tile);
    return place == nullptr ? -1 : static_cast<int>(place - tileSet);
}

namespace {

struct Tag {
    std::string language; // small letters: "pt"
    std::string region;   // capitals: "BR", or empty
};

// "pt-BR", "pt_BR.UTF-8" and "pt_BR@euro" all name Portuguese of Brazil.
Tag tagOf(const std::string& name) {
    const std::string bare = name.substr(0, name.find_first_of(".@"));
    const std::size_t split = bare.find_first_of("-_");
    Tag tag;
    for (char c : bare.substr(0, split)) {
        tag.language += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (split != std::string::npos) {
        for (char c : bare.substr(split + 1)) {
            tag.region += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return tag;
}

std::vector<Language> readShipped() {
    std::vector<Language> result;
    for (const LettersFile& file : shippedLettersFiles()) {
        std::vector<std::string> problems;
        Language language = readLetters(file.code, file.bytes, tileSet, problems);
        if (problems.empty()) {
            result.insert(language.code == "en" ? result.begin() : result.end(), language);
        }
    }
    return result;
}

} // namespace

const std::vector<Language>& languages() {
    static const std::vector<Language> shipped = readShipped();
    return shipped;
}

const Language& english() {
    return languages().front();
}

const Language* findLanguage(const std::string& code) {
    for (const Language& language : languages()) {
        if (language.code == code) {
            return &language;
        }
    }
    return nullptr;
}

int languageIndex(const Language& language) {
    return static_cast<int>(&language - languages().data());
}

const Language& preferredLanguage(const std::vector<std::string>& preferences) {
    for (const std::string& preference : preferences) {
        const Tag wanted = tagOf(preference);
        const Language* match = nullptr;
        for (const Language& language : languages()) {
            const Tag offered = tagOf(language.code);
            if (offered.language != wanted.language) {
                continue;
            }
            if (match == nullptr || (offered.region == wanted.region && !wanted.region.empty())) {
                match = &language;
            }
        }
        if (match != nullptr) {
            return *match;
        }
    }
    return english();
}

} // namespace tallyrope
