// The fonts the controls write in, at one scale.
//
// At scale 1 on a 96-DPI system they are the ones the program always had: the phrase font, the
// stock GUI font and the system font that controls have of their own. At any other scale each
// is made anew at that multiple of its 96-DPI height, so that it stays sharp, and at most that
// multiple of its 96-DPI width over the printable characters together: a face's widths do not
// grow exactly with its size, and its own at the scale may take more room than its texts had.
// The system font's stand-in is a TrueType face, which stays sharp where the system font itself
// is a bitmap font.
#pragma once

#include "ui/control_table.h"
#include "ui/scale.h"

#include <array>

#include <windows.h>

namespace tallyrope {

class ControlFonts {
  public:
    explicit ControlFonts(Scale scale);
    ~ControlFonts();
    ControlFonts(const ControlFonts&) = delete;
    ControlFonts& operator=(const ControlFonts&) = delete;

    // Null for the system font where the controls' own is the one.
    HFONT font(ControlFont kind) const { return fonts_[static_cast<std::size_t>(kind)]; }

  private:
    std::array<HFONT, 3> fonts_{};
    std::array<bool, 3> owned_{};
};

// The system font at 96 DPI, which an edit box measures its text in at every scale. Kept for
// the whole run.
HFONT tableTextFont();

} // namespace tallyrope
