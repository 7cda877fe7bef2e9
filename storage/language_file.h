// The player's choice of language, kept in a file of its own so that the four files keep their
// formats: one line, "Language= de".
#pragma once

#include <optional>
#include <string>

namespace tallyrope {

// The language code the file names; nothing when it is missing or names none.
std::optional<std::string> readLanguageChoice(const std::string& LanguageFile);

// True when the file now holds the choice.
bool saveLanguageChoice(const std::string& LanguageFile, const std::string& code);

} // namespace tallyrope
