// The statistics file: the six counters in decimal, one space apart, no line break.
#pragma once

#include "state/stats.h"

#include <string>

namespace tallyrope {

// Reads the counters in order up to the first bad field; that one and all after it keep their
// values. A missing file changes nothing.
void loadScores(Stats& stats, const std::string& path);

// Writes the file safely; false (and the old file kept) when it could not be written.
bool saveScores(const Stats& stats, const std::string& path);

} // namespace tallyrope
