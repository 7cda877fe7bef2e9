// Where the program file lies: all data files are kept beside it.
#pragma once

#include <string>

namespace tallyrope {

// The folder of `programPath` with its trailing backslash; empty when there is no backslash.
std::string folderOf(const std::string& programPath);

// The folder of the running program file.
std::string programFolder();

} // namespace tallyrope
