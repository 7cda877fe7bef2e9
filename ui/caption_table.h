// The words the pictures carry: every caption of the three windows' backgrounds and of the
// buttons' faces, the box it must fit in, and the face and size it is drawn in, so that each
// language's words can be drawn, and checked to fit, at any scale.
#pragma once

#include "ui/ui.h"

#include <vector>

namespace tallyrope {

// The art's faces: DejaVu Sans, in these cuts.
enum class CaptionFace { Sans, SansBold, SansCondensedBold, SerifBold, SerifItalic };

enum class CaptionAlign { Left, Centre, Right };

struct CaptionRow {
    Window window;
    int button;       // the owner-drawn button whose faces carry it, or 0 for the background
    const char* text; // English; a paragraph when `lines` is above 1
    Rect box;         // in the window's, or the button's, table coordinates
    CaptionFace face;
    int pixelSize; // the face's em at scale 1
    CaptionAlign align;
    int lines = 1;                 // the most lines a paragraph may take, wrapped between words
    int smallestSize = 0;          // a button's caption is drawn smaller, down to this, to fit
    const char* lead = nullptr;    // a button's name drawn bold before the text, as in a list
    const char* context = nullptr; // of the text, where it must say less than elsewhere
};

const std::vector<CaptionRow>& captionTable();

// The caption's words in the language of `code`, in the code page's bytes.
const char* captionText(const CaptionRow& row, const std::string& code);

} // namespace tallyrope
