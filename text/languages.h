// The languages the game ships, each from a folder of puzzles/, English first.
#pragma once

#include "text/language.h"

#include <string>
#include <vector>

namespace tallyrope {

// A language's letters file as the build found it, in the code page's bytes.
struct LettersFile {
    const char* code;
    std::string bytes;
};

// Made by the build from puzzles/*/letters.txt.
const std::vector<LettersFile>& shippedLettersFiles();

// Every letter the art has a tile for, A to Z first, in the order of the tiles' control ids.
extern const char* const tileSet;
constexpr int tileCount = 30;

// The place of `tile` in tileSet, or -1.
int tileIndex(char tile);

// The shipped languages, English first; a letters file with problems is left out.
const std::vector<Language>& languages();

const Language& english();

// The shipped language of `code`, or nullptr.
const Language* findLanguage(const std::string& code);

// The place of a shipped language in languages().
int languageIndex(const Language& language);

// The first shipped language that one of the system's preferred languages names, in their
// order ("de-DE", "fr_FR.UTF-8", "pt-BR"); English when none does. A region is matched when
// two shipped languages share the language, otherwise the language alone decides.
const Language& preferredLanguage(const std::vector<std::string>& preferences);

} // namespace tallyrope
