// How texts lay out their lines, as the Windows controls do.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tallyrope {

// A text with its "&" prefixes taken out: "&x" shows x (underlined on Windows), "&&" shows one
// "&".
std::string withoutPrefixes(const std::string& text);

// The lines of a text wrapped at spaces to `width` pixels, where `measure` gives a line's width;
// a line break also ends a line. A word wider than the box keeps a line of its own.
std::vector<std::string> wrapLines(const std::string& text, int width,
                                   const std::function<int(const std::string&)>& measure);

} // namespace tallyrope
