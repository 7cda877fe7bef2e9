#include "ui/text_layout.h"

namespace tallyrope {

std::string withoutPrefixes(const std::string& text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            ++i;
        }
        if (i < text.size()) {
            shown += text[i];
        }
    }
    return shown;
}

std::vector<std::string> wrapLines(const std::string& text, int width,
                                   const std::function<int(const std::string&)>& measure) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t lineEnd = std::min(text.find('\n', start), text.size());
        std::string line;
        std::size_t at = start;
        while (at < lineEnd) {
            const std::size_t wordEnd = std::min(text.find(' ', at + 1), lineEnd);
            const std::string longer = line + text.substr(at, wordEnd - at);
            if (!line.empty() && measure(longer) > width) {
                lines.push_back(line);
                line.clear();
                // The space that broke the line does not start the next one.
                at = text[at] == ' ' ? at + 1 : at;
                continue;
            }
            line = longer;
            at = wordEnd;
        }
        lines.push_back(line);
        start = lineEnd + 1;
    }
    return lines;
}

} // namespace tallyrope
