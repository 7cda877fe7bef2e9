// The sunken frame the art draws one table pixel outside each text field, laid out again at a
// scale: a stretched picture would smear its light and dark lines into the wood beside them.
#pragma once

#include "ui/caption_table.h"
#include "ui/scale.h"

#include <vector>

namespace tallyrope {

struct FrameBand {
    Rect place; // device pixels of the window
    CaptionColour colour;
};

// The bands of every field frame of `window`, in the order they are painted: each field's dark
// top and left edges, then its light bottom and right ones over their corners.
std::vector<FrameBand> fieldFrames(Window window, Scale scale);

} // namespace tallyrope
