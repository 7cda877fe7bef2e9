// The Linux program's command line.
#pragma once

#include <string>

namespace tallyrope {

struct Options {
    std::string dataFolder; // --data DIR; empty: chosen as the program's help says
    std::string screenshot; // --screenshot FILE: save a picture after start-up and quit
    std::string scale;      // --scale F, from 1 to 4; empty: the desktop's
    bool help = false;      // --help
};

// Reads the arguments after the program's name; false with `error` set when they are wrong, in
// the language of `code` and the code page's bytes.
bool parseOptions(int argc, const char* const* argv, Options& options, std::string& error,
                  const std::string& code);

// What --help prints, in English; the catalogue has it in each language.
extern const char* const usageText;

} // namespace tallyrope
