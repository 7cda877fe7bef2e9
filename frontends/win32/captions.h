// The pictures' captions, drawn with GDI in the art's faces, which the program carries, at the
// window's scale and in the player's language.
#pragma once

#include "ui/caption_table.h"
#include "ui/scale.h"

#include <string>

#include <windows.h>

namespace tallyrope {

// Makes the program's faces known to GDI for this run.
void addCaptionFonts(HINSTANCE instance);

// The captions of `window`'s background (`control` 0) or of a control's picture, a button's face
// or a bubble, whose corner is at `origin` on `target`.
void drawCaptions(HDC target, Window window, int control, bool pressed, const std::string& code,
                  Scale scale, POINT origin);

} // namespace tallyrope
