#include "storage/text_mode.h"

#include <cstring>

namespace tallyrope {

void appendFromTextMode(std::string& text, std::string_view bytes) {
    const char* from = bytes.data();
    const char* const end = from + bytes.size();
    while (from < end) {
        const auto* cr = static_cast<const char*>(std::memchr(from, '\r', end - from));
        if (cr == nullptr) {
            text.append(from, end);
            return;
        }
        const bool pairsWithLineFeed = cr + 1 < end && cr[1] == '\n';
        text.append(from, pairsWithLineFeed ? cr : cr + 1);
        from = cr + 1;
    }
}

void appendToTextMode(std::string& bytes, std::string_view text) {
    const char* from = text.data();
    const char* const end = from + text.size();
    while (from < end) {
        const auto* lineFeed = static_cast<const char*>(std::memchr(from, '\n', end - from));
        if (lineFeed == nullptr) {
            bytes.append(from, end);
            return;
        }
        bytes.append(from, lineFeed);
        bytes += "\r\n";
        from = lineFeed + 1;
    }
}

} // namespace tallyrope
