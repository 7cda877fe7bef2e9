#include "text/catalogue.h"

#include <cstdint>
#include <cstring>
#include <map>

namespace tallyrope {

namespace {

struct Catalogue {
    std::map<std::string, std::vector<std::string>> forms; // by English singular
    bool pluralAboveOne = false;                           // French's rule: n > 1
};

// A message object: a magic number, a count, and two tables of (length, offset) pairs, one
// for the English texts and one for their translations; plural forms are joined by NULs.
class MessageObject {
  public:
    explicit MessageObject(const std::string& bytes) : bytes_(bytes) {
        const std::uint32_t magic = word(0);
        swapped_ = magic == 0xde120495u;
        valid_ = magic == 0x950412deu || swapped_;
    }

    bool valid() const { return valid_; }
    std::uint32_t count() const { return word(8); }
    std::string original(std::uint32_t k) const { return entry(word(12), k); }
    std::string translation(std::uint32_t k) const { return entry(word(16), k); }

  private:
    std::uint32_t word(std::size_t at) const {
        if (at + 4 > bytes_.size()) {
            return 0;
        }
        std::uint32_t value = 0;
        for (int b = 0; b < 4; ++b) {
            const auto byte = static_cast<unsigned char>(bytes_[at + (swapped_ ? b : 3 - b)]);
            value = (value << 8) | byte;
        }
        return value;
    }

    std::string entry(std::uint32_t table, std::uint32_t k) const {
        const std::size_t at = table + std::size_t{8} * k;
        const std::uint32_t length = word(at);
        const std::uint32_t offset = word(at + 4);
        return offset <= bytes_.size() && length <= bytes_.size() - offset
                   ? bytes_.substr(offset, length)
                   : std::string();
    }

    const std::string& bytes_;
    bool swapped_ = false;
    bool valid_ = false;
};

std::vector<std::string> split(const std::string& joined) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = joined.find('\0', start)) != std::string::npos; start = end + 1) {
        parts.push_back(joined.substr(start, end - start));
    }
    parts.push_back(joined.substr(start));
    return parts;
}

Catalogue read(const std::string& bytes) {
    Catalogue catalogue;
    const MessageObject object(bytes);
    for (std::uint32_t k = 0; object.valid() && k < object.count(); ++k) {
        const std::string english = object.original(k);
        const std::string translation = object.translation(k);
        if (english.empty()) {
            catalogue.pluralAboveOne = translation.find("plural=(n > 1)") != std::string::npos;
        } else if (!translation.empty()) {
            catalogue.forms[split(english).front()] = split(translation);
        }
    }
    return catalogue;
}

const Catalogue* catalogueOf(const std::string& code) {
    static const std::map<std::string, Catalogue> all = [] {
        std::map<std::string, Catalogue> read_;
        for (const CompiledCatalogue& compiled : compiledCatalogues()) {
            read_[compiled.code] = read(compiled.bytes);
        }
        return read_;
    }();
    const auto found = all.find(code);
    return found == all.end() ? nullptr : &found->second;
}

const std::vector<std::string>* formsOf(const std::string& code, const char* english) {
    const Catalogue* catalogue = catalogueOf(code);
    if (catalogue == nullptr) {
        return nullptr;
    }
    const auto found = catalogue->forms.find(english);
    return found == catalogue->forms.end() ? nullptr : &found->second;
}

} // namespace

const char* translate(const std::string& code, const char* english) {
    const std::vector<std::string>* forms = formsOf(code, english);
    return forms == nullptr ? english : forms->front().c_str();
}

const char* translateIn(const std::string& code, EnglishInContext text) {
    // A message object keys a text in a context as the context, EOT, and the text.
    const std::vector<std::string>* forms =
        formsOf(code, (std::string(text.context) + '\x04' + text.english).c_str());
    return forms == nullptr ? text.english : forms->front().c_str();
}

const char* translatePlural(const std::string& code, const char* singular, const char* plural,
                            long count) {
    const std::vector<std::string>* forms = formsOf(code, singular);
    if (forms == nullptr || forms->size() < 2) {
        return count == 1 ? singular : plural;
    }
    const bool one = catalogueOf(code)->pluralAboveOne ? count <= 1 : count == 1;
    return (*forms)[one ? 0 : 1].c_str();
}

std::string withValues(const std::string& text, const std::vector<std::string>& values) {
    std::string result;
    std::size_t next = 0;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] != '%' || k + 1 == text.size()) {
            result += text[k];
            continue;
        }
        std::size_t at = k + 1;
        std::size_t place = next++;
        if (text[at] >= '1' && text[at] <= '9' && at + 1 < text.size() && text[at + 1] == '$') {
            place = static_cast<std::size_t>(text[at] - '1');
            at += 2;
        }
        if (text[at] == '%') {
            result += '%';
            --next;
        } else if (place < values.size()) {
            result += values[place];
        }
        k = at;
    }
    return result;
}

} // namespace tallyrope
