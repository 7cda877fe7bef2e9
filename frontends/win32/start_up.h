// The whole run of the program, from finding its folder to the end of the message loop.
#pragma once

#include <windows.h>

namespace tallyrope {

// Returns the exit code: the quit request's parameter, or 0 when the program cannot start or
// another copy already runs from the same folder.
int runProgram(HINSTANCE instance, int showCommand);

} // namespace tallyrope
