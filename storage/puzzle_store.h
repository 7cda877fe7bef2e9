// The scrambled puzzle store: the puzzle database file's bytes, each shifted by one of ten
// amounts in turn. At start-up it becomes the plain working file; at quit the working file goes
// back into it and is replaced by a notice.
#pragma once

#include <string>

namespace tallyrope {

// The bytes of `plain`, byte i shifted up by the amount at place i mod 10 of the cycle.
std::string scramble(std::string plain);
// The inverse of scramble.
std::string unscramble(std::string stored);

// Start-up: unscrambles the store into the working file. A missing store leaves the working
// file as it is. True when the working file was written.
bool OnLoads(const std::string& LoadsFile, const std::string& WordsFile);

// Quit: scrambles the working file into the store, then purges the working file. Each file is
// replaced only after a complete write, so a failure loses nothing. True when both were written.
bool OnExits(const std::string& WordsFile, const std::string& LoadsFile);

// What the working file holds after a quit.
inline const char* const purgeNotice = "Data purged...";

} // namespace tallyrope
