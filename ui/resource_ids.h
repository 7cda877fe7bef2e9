// Resource ids of the program file that no control row names.
#pragma once

#include <array>

namespace tallyrope::resource {

// The small icon of the main window's class.
constexpr int icon = 32;

// The five TrueType faces of the captions, in CaptionFace's order.
constexpr std::array<int, 5> captionFonts = {7001, 7002, 7003, 7004, 7005};

// The eight WAVE clips.
constexpr std::array<int, 8> sounds = {4450, 4500, 4600, 4650, 4700, 5600, 5650, 5700};

} // namespace tallyrope::resource
