// Where each front end draws a caption's words at its scale: the size a button's caption shrinks
// to, a paragraph's lines, and each piece's place and colours, from the front end's own
// measurements of the faces.
#pragma once

#include "ui/caption_table.h"
#include "ui/scale.h"

#include <functional>
#include <string>
#include <vector>

namespace tallyrope {

// The width of a line of `bytes` (the code page's) in `face` with an em of `pixels` device
// pixels.
using CaptionMeasure = std::function<int(const std::string& bytes, CaptionFace face, int pixels)>;

// One run of text in one face, its baseline's left end at (x, baseline) in device pixels from
// the window's, or the button's, corner.
struct CaptionPiece {
    std::string text;
    CaptionFace face;
    int pixels;
    int x;
    int baseline;
    CaptionColour ink;
    bool shadowed;
    CaptionColour shadow;
    int shadowOffset;
};

struct CaptionLayout {
    std::vector<CaptionPiece> pieces;
    bool fits = true; // within its box and its lines, at the size it is drawn
};

CaptionLayout layOutCaption(const CaptionRow& row, const std::string& code, Scale scale,
                            bool pressed, const CaptionMeasure& measure);

// What a front end draws for the captions of `window`'s background (`control` 0) or of a
// control's picture, in order: each piece's shadow, if it has one, then the piece.
std::vector<CaptionPiece> captionStrokes(Window window, int control, bool pressed,
                                         const std::string& code, Scale scale,
                                         const CaptionMeasure& measure);

} // namespace tallyrope
