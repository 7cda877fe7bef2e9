#include "storage/language_file.h"

#include "storage/text_file.h"

namespace tallyrope {

namespace {

constexpr char key[] = "Language=";

bool isCodeByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

} // namespace

std::optional<std::string> readLanguageChoice(const std::string& LanguageFile) {
    const std::optional<std::string> text = readTextFile(LanguageFile);
    const std::size_t found = text ? text->find(key) : std::string::npos;
    if (found == std::string::npos) {
        return std::nullopt;
    }
    std::size_t start = found + sizeof key - 1;
    while (start < text->size() && (*text)[start] == ' ') {
        ++start;
    }
    std::size_t end = start;
    while (end < text->size() && isCodeByte((*text)[end])) {
        ++end;
    }
    if (end == start) {
        return std::nullopt;
    }
    return text->substr(start, end - start);
}

bool saveLanguageChoice(const std::string& LanguageFile, const std::string& code) {
    return writeTextFileSafely(LanguageFile, std::string(key) + " " + code + "\n");
}

} // namespace tallyrope
