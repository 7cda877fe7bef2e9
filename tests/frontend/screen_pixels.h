// What reaches the screen, read back pixel for pixel, beside the bitmaps inside the program file.
#pragma once

#include "game_copy.h"

#include <vector>

#include <windows.h>

namespace tallyrope::testing {

// Pixels as 0x00RRGGBB, rows top-down.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<DWORD> colours;

    DWORD at(int x, int y) const { return colours[static_cast<std::size_t>(y * width + x)]; }
    bool operator==(const Pixels& other) const {
        return width == other.width && height == other.height && colours == other.colours;
    }
};

Pixels pixelsOf(HDC source, int x, int y, int width, int height);

// A button's face with the middle, where its caption is written, blacked out: all but its outer
// 4 rows and 5 columns on each side at `percent`.
Pixels withoutCaption(Pixels face, int percent = 100);
Pixels screenPixels(const RECT& rect);

// The bitmaps of a copy's program file.
class ProgramBitmaps {
  public:
    explicit ProgramBitmaps(const GameCopy& game);
    ProgramBitmaps(const ProgramBitmaps&) = delete;
    ProgramBitmaps& operator=(const ProgramBitmaps&) = delete;
    ~ProgramBitmaps();

    bool loaded() const { return program_ != nullptr; }
    Pixels bitmap(int id) const;
    // Makes the program's caption faces known to this process's GDI.
    void addFonts() const;

  private:
    HMODULE program_ = nullptr;
};

} // namespace tallyrope::testing
