// The 66 controls of the three windows, made from the control table, at their window's scale.
#pragma once

#include "frontends/win32/front_end.h"

namespace tallyrope {

// Creates every control in table order with its font, start-up text and length limit, then
// attaches the start-up bitmaps and hides the gallows drawing.
void createControls(FrontEnd& frontEnd);

// Places, sizes and letters the controls of `window` again at its scale, with their bitmaps
// made anew; their texts, visibility and focus stay.
void layOutControls(FrontEnd& frontEnd, Window window);

// The bubbles' words written again, in the language in play.
void rewriteBubbles(FrontEnd& frontEnd);

// Names every button again, in the language in play: after the sound switch, whose button's
// name follows it, and after a change of language.
void nameButtons(FrontEnd& frontEnd);

} // namespace tallyrope
