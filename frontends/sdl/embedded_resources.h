// The bitmaps, sounds, icon and caption fonts compiled into the Linux program, as the bytes of
// their files.
#pragma once

#include "ui/caption_table.h"

#include <cstddef>

namespace tallyrope {

struct Blob {
    const unsigned char* data = nullptr;
    std::size_t size = 0;
};

// A 24-bit BMP file; {nullptr, 0} when the program has no bitmap `id`.
Blob bitmapResource(int id);

// One of the eight WAVE files of resource::sounds; {nullptr, 0} for any other id.
Blob soundResource(int id);

// The WAVE file played where the game asks for the default beep.
Blob beepSound();

// The program icon, an ICO file with 16x16 and 32x32 images.
Blob iconResource();

// The TrueType file of a caption face.
Blob captionFontResource(CaptionFace face);

} // namespace tallyrope
