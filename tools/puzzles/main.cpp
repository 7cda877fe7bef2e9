#include "tools/puzzles/commands.h"

#include <iostream>

int main(int argc, char** argv) {
    return tallyrope::puzzles::runPuzzleTool({argv + 1, argv + argc}, std::cout, std::cerr);
}
