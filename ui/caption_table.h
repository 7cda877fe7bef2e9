// The words the pictures carry: every caption of the three windows' backgrounds and of the
// buttons' faces, the box it must fit in, and the face, size and colours it is drawn in, so that
// each front end draws each language's words sharp at its own scale.
#pragma once

#include "ui/ui.h"

#include <vector>

namespace tallyrope {

// The art's faces: DejaVu, in these cuts.
enum class CaptionFace { Sans, SansBold, SansCondensedBold, SerifBold, SerifItalic };

enum class CaptionAlign { Left, Centre, Right };

// Where the anchor's height lies: on the first line's baseline, or midway between the face's
// ascent and descent.
enum class CaptionAnchor { Baseline, Middle };

struct CaptionColour {
    unsigned char red, green, blue;
};

struct CaptionRow {
    Window window;
    int control;      // the button or picture whose bitmaps carry it, or 0 for the background
    const char* text; // English; a paragraph when `lines` is above 1
    Rect box;         // the width it must fit; the edge, or the middle, that `align` names
    CaptionFace face;
    int pixelSize; // the face's em at scale 1
    CaptionAlign align;
    CaptionAnchor anchor;
    double y; // the anchor's height
    CaptionColour ink;
    bool shadowed = false; // drawn first, one pixel right and down, in `shadow`
    CaptionColour shadow{};
    int lines = 1;                 // the most lines a paragraph may take, wrapped between words
    int lineStep = 0;              // from one line's baseline to the next
    int smallestSize = 0;          // a button's caption is drawn smaller, down to this, to fit
    const char* lead = nullptr;    // a button's name drawn bold before the text, as in a list
    const char* context = nullptr; // of the text, where it must say less than elsewhere
};

const std::vector<CaptionRow>& captionTable();

// The caption's words in the language of `code`, in the code page's bytes.
const char* captionText(const CaptionRow& row, const std::string& code);

// A button's caption when the button is held down: lighter, one pixel right and down.
constexpr CaptionColour pressedCaptionInk{234, 218, 182};

} // namespace tallyrope
