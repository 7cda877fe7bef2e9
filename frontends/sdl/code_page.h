// The core and its files hold text as Windows-1252 bytes; SDL takes and gives UTF-8.
#pragma once

#include <string>

namespace tallyrope {

// Typed or pasted UTF-8 as Windows-1252 bytes. False, leaving `bytes` untouched, when the UTF-8
// is malformed or holds a character the code page lacks.
bool toWindows1252(const std::string& utf8, std::string& bytes);

// The core's bytes as UTF-8 for drawing; every byte has a character.
std::string toUtf8(const std::string& bytes);

} // namespace tallyrope
