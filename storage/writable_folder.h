// Whether the program can keep its files in a folder at all.
#pragma once

#include <string>

namespace tallyrope {

// Creates a probe file in `folder` (ending with its separator, or empty for the current folder)
// and removes it again; false when it cannot be created.
bool canCreateFilesIn(const std::string& folder);

} // namespace tallyrope
