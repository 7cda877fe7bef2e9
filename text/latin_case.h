// Case changes for the single-byte code page: only the 26 Latin letters change case, every other
// byte stays as it is.
#pragma once

#include <string>

namespace tallyrope {

std::string upperCase(std::string text);
std::string lowerCase(std::string text);

} // namespace tallyrope
