// Every control of the three windows, in the order the program creates them.
#pragma once

#include "ui/ui.h"

#include <vector>

namespace tallyrope {

enum class ControlKind {
    OwnerDrawnButton, // draws its normal or pressed bitmap
    BitmapStatic,     // shows one bitmap, takes the size of it
    TextNoPrefix,     // one left-aligned line, ampersands shown as they are
    TextSimple,       // one left-aligned line
    TextCentred,      // centred text that wraps at word boundaries
    Edit,             // single-line entry box without border
};

enum class ControlFont { System, Phrase, DefaultGui };

struct ControlRow {
    const char* handle; // the name of the global that holds the control
    ControlKind kind;
    int id;
    Window parent;
    int x, y, width, height; // client coordinates of the parent
    bool visible;            // at start-up
    int bitmap;        // normal face of a button, or the bitmap of a bitmap static; 0 for none
    int pressedBitmap; // pressed face of a button; 0 for none
    ControlFont font;
    const char* text; // start-up text
    int textLimit;    // characters an edit box accepts; 0 for no limit
};

// Every control, rows in creation order: the design's 66, then the tiles after Z and the
// language button.
const std::vector<ControlRow>& controlTable();

// The row of control `id`, or nullptr.
const ControlRow* findControl(int id);

// Sizes of the bitmaps whose size differs from their control's: the tiles A and C, and the
// Add Puzzle faces.
struct BitmapSize {
    int bitmap, width, height;
};
const std::vector<BitmapSize>& oddBitmapSizes();

// Where a control lies in its window's client area once start-up is done: a bitmap static has
// taken the size of its bitmap.
Rect shownRect(const ControlRow& row);

} // namespace tallyrope
