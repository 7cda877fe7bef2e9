#include "frontends/win32/captions.h"

#include "ui/caption_layout.h"
#include "ui/resource_ids.h"

#include <map>
#include <utility>

namespace tallyrope {

namespace {

LOGFONTA describe(CaptionFace face, int pixels) {
    LOGFONTA font{};
    font.lfHeight = -pixels; // the em, as the art's sizes are
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    // Grey smoothing, as the art has, whatever the desktop's ClearType setting.
    font.lfQuality = ANTIALIASED_QUALITY;
    font.lfWeight =
        face == CaptionFace::Sans || face == CaptionFace::SerifItalic ? FW_NORMAL : FW_BOLD;
    font.lfItalic = face == CaptionFace::SerifItalic;
    const char* family = face == CaptionFace::SansCondensedBold ? "DejaVu Sans Condensed"
                         : face == CaptionFace::SerifBold || face == CaptionFace::SerifItalic
                             ? "DejaVu Serif"
                             : "DejaVu Sans";
    lstrcpynA(font.lfFaceName, family, LF_FACESIZE);
    return font;
}

// Made once for each face and size the run draws, and kept to its end.
HFONT fontFor(CaptionFace face, int pixels) {
    static std::map<std::pair<CaptionFace, int>, HFONT> made;
    HFONT& font = made[{face, pixels}];
    if (font == nullptr) {
        const LOGFONTA wanted = describe(face, pixels);
        font = CreateFontIndirectA(&wanted);
    }
    return font;
}

int measure(HDC target, const std::string& bytes, CaptionFace face, int pixels) {
    HGDIOBJ before = SelectObject(target, fontFor(face, pixels));
    SIZE size{};
    GetTextExtentPoint32A(target, bytes.data(), static_cast<int>(bytes.size()), &size);
    SelectObject(target, before);
    return static_cast<int>(size.cx);
}

void drawText(HDC target, const CaptionPiece& piece, int x, int y) {
    HGDIOBJ before = SelectObject(target, fontFor(piece.face, piece.pixels));
    SetTextColor(target, RGB(piece.ink.red, piece.ink.green, piece.ink.blue));
    TextOutA(target, x, y, piece.text.data(), static_cast<int>(piece.text.size()));
    SelectObject(target, before);
}

} // namespace

void addCaptionFonts(HINSTANCE instance) {
    for (int id : resource::captionFonts) {
        HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));
        HGLOBAL loaded = found == nullptr ? nullptr : LoadResource(instance, found);
        void* bytes = loaded == nullptr ? nullptr : LockResource(loaded);
        if (bytes != nullptr) {
            DWORD added = 0;
            AddFontMemResourceEx(bytes, SizeofResource(instance, found), nullptr, &added);
        }
    }
}

void drawCaptions(HDC target, Window window, int control, bool pressed, const std::string& code,
                  Scale scale, POINT origin) {
    const int mode = SetBkMode(target, TRANSPARENT);
    const UINT align = SetTextAlign(target, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
    const COLORREF colour = GetTextColor(target);
    const auto measured = [target](const std::string& bytes, CaptionFace face, int pixels) {
        return measure(target, bytes, face, pixels);
    };
    for (const CaptionPiece& stroke :
         captionStrokes(window, control, pressed, code, scale, measured)) {
        drawText(target, stroke, origin.x + stroke.x, origin.y + stroke.baseline);
    }
    SetTextColor(target, colour);
    SetTextAlign(target, align);
    SetBkMode(target, mode);
}

} // namespace tallyrope
