#include "frontends/sdl/embedded_resources.h"

#include "frontends/sdl/embedded_index.h"

#include <cstdint>

// Named by cmake/embed_resources.cmake after the files resources/sounds/beep.wav,
// resources/icon/tallyrope.ico and resources/fonts/*.ttf; a missing file fails the link.
extern "C" const unsigned char tallyrope_sound_beep[], tallyrope_sound_beep_end[];
extern "C" const unsigned char tallyrope_icon[], tallyrope_icon_end[];
extern "C" const unsigned char tallyrope_font_sans[], tallyrope_font_sans_end[];
extern "C" const unsigned char tallyrope_font_sans_bold[], tallyrope_font_sans_bold_end[];
extern "C" const unsigned char tallyrope_font_sans_condensed_bold[],
    tallyrope_font_sans_condensed_bold_end[];
extern "C" const unsigned char tallyrope_font_serif_bold[], tallyrope_font_serif_bold_end[];
extern "C" const unsigned char tallyrope_font_serif_italic[], tallyrope_font_serif_italic_end[];

namespace tallyrope {
namespace {

// Through integers, as the two symbols mark the ends of one file but are separate objects to C++.
Blob span(const unsigned char* begin, const unsigned char* end) {
    return {begin, static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(end) -
                                            reinterpret_cast<std::uintptr_t>(begin))};
}

Blob find(const embedded::File* files, std::size_t count, int id) {
    for (std::size_t i = 0; i < count; ++i)
        if (files[i].id == id)
            return span(files[i].begin, files[i].end);
    return {};
}

} // namespace

Blob bitmapResource(int id) {
    return find(embedded::bitmaps, embedded::bitmapCount, id);
}

Blob soundResource(int id) {
    return find(embedded::sounds, embedded::soundCount, id);
}

Blob beepSound() {
    return span(tallyrope_sound_beep, tallyrope_sound_beep_end);
}

Blob iconResource() {
    return span(tallyrope_icon, tallyrope_icon_end);
}

Blob captionFontResource(CaptionFace face) {
    switch (face) {
    case CaptionFace::Sans:
        return span(tallyrope_font_sans, tallyrope_font_sans_end);
    case CaptionFace::SansBold:
        return span(tallyrope_font_sans_bold, tallyrope_font_sans_bold_end);
    case CaptionFace::SansCondensedBold:
        return span(tallyrope_font_sans_condensed_bold, tallyrope_font_sans_condensed_bold_end);
    case CaptionFace::SerifBold:
        return span(tallyrope_font_serif_bold, tallyrope_font_serif_bold_end);
    case CaptionFace::SerifItalic:
        break;
    }
    return span(tallyrope_font_serif_italic, tallyrope_font_serif_italic_end);
}

} // namespace tallyrope
