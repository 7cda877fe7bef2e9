// The configuration file: the two editing locks after the first two "=" signs.
#pragma once

#include "state/settings.h"

#include <string>

namespace tallyrope {

// The text written when the file is missing: both locks on.
extern const char* const defaultConfiguration;

// Reads the two locks into ConsoleUse and EditingUse; a lock that cannot be read keeps its
// value. A file that cannot be opened is created with the default text, and the console is
// locked.
void Userchoice(Settings& settings, const std::string& TimerFile);

} // namespace tallyrope
