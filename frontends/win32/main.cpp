// The program's entry point. The command line is not read.
#include "frontends/win32/start_up.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return tallyrope::runProgram(instance, showCommand);
}
