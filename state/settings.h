// Switches of the run: the two editing locks from the configuration file and the sound switch.
#pragma once

#include <cstdint>

namespace tallyrope {

struct Settings {
    std::int32_t ConsoleUse = 0; // 0: the console button works; 1: it beeps; other: nothing
    std::int32_t EditingUse = 0; // 0: Review and Del work; other: they beep
    std::int32_t audioset = 0;   // odd: sound off

    bool soundOn() const { return audioset % 2 == 0; }
};

} // namespace tallyrope
