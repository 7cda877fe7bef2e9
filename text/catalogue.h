// The texts a player sees or hears, in every language of the game: the gettext catalogues of
// po/, compiled in by the build in the code page's bytes, with the English texts as their keys.
#pragma once

#include <string>
#include <vector>

namespace tallyrope {

// A language's catalogue as the build compiled it: a gettext message object.
struct CompiledCatalogue {
    const char* code;
    std::string bytes;
};

// Made by the build from po/*.po.
const std::vector<CompiledCatalogue>& compiledCatalogues();

// Marks an English text for the catalogues where it is written down (a table, a constant);
// it is translated where it is shown.
constexpr const char* englishText(const char* english) {
    return english;
}

// An English text that says something else in one place than in others, such as a button's
// face that must be shorter than its name, with that place as its context.
struct EnglishInContext {
    const char* context;
    const char* english;
};

constexpr EnglishInContext englishTextIn(const char* context, const char* english) {
    return {context, english};
}

// `english` in the language of `code`; `english` itself in English and where the language's
// catalogue lacks it.
const char* translate(const std::string& code, const char* english);

// The same for a text in its context.
const char* translateIn(const std::string& code, EnglishInContext text);

// The form for `count` of a text with a singular and a plural, in the language of `code`.
const char* translatePlural(const std::string& code, const char* singular, const char* plural,
                            long count);

// A translated text with its directives filled, as printf fills them but with every value
// already written out: "%s", "%d" and "%c" take the values in turn, "%2$s" the second, and "%%"
// is "%". A directive past the values is left out.
std::string withValues(const std::string& text, const std::vector<std::string>& values);

} // namespace tallyrope
