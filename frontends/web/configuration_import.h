// The configuration file brought into the browser, where there is no folder beside the game in
// which a teacher could edit it.
#pragma once

#include <string>

namespace tallyrope {

// Whether the game's configuration reader finds both locks in the file at `path`.
bool yieldsBothLocks(const std::string& path);

} // namespace tallyrope
