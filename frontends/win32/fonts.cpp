#include "frontends/win32/fonts.h"

#include "frontends/win32/display_scale.h"

#include <algorithm>

namespace tallyrope {

namespace {

// The printable ASCII characters, whose widths together measure a font's.
constexpr UINT firstCharacter = 0x20;
constexpr UINT lastCharacter = 0x7E;

LOGFONTA stockFont(int stock) {
    LOGFONTA font{};
    GetObjectA(GetStockObject(stock), sizeof font, &font);
    return font;
}

// Each font as it is at 96 DPI.
LOGFONTA phraseFont() {
    LOGFONTA font{};
    font.lfHeight = 22;
    font.lfWeight = FW_BOLD;
    font.lfCharSet = ANSI_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpyA(font.lfFaceName, "Courier New");
    return font;
}

LOGFONTA guiFont() {
    LOGFONTA font = stockFont(DEFAULT_GUI_FONT);
    font.lfHeight = -11; // 8 points
    return font;
}

LOGFONTA systemFont() {
    LOGFONTA font = stockFont(SYSTEM_FONT);
    font.lfHeight = 16;
    font.lfWidth = 7;
    return font;
}

LOGFONTA describe(ControlFont kind) {
    switch (kind) {
    case ControlFont::Phrase:
        return phraseFont();
    case ControlFont::DefaultGui:
        return guiFont();
    case ControlFont::System:
        break;
    }
    return systemFont();
}

// The width of the printable ASCII characters side by side.
int widthOf(HDC measuring, HFONT font, TEXTMETRICA& metrics) {
    std::array<int, lastCharacter - firstCharacter + 1> widths{};
    HGDIOBJ before = SelectObject(measuring, font);
    GetCharWidth32A(measuring, firstCharacter, lastCharacter, widths.data());
    GetTextMetricsA(measuring, &metrics);
    SelectObject(measuring, before);
    int total = 0;
    for (int width : widths) {
        total += width;
    }
    return total;
}

// `original` at `scale`: its face's own width where that is no wider than the scale's multiple
// of the original's, else the widest that is.
HFONT scaledFont(const LOGFONTA& original, Scale scale, bool trueTypeOnly) {
    HDC measuring = CreateCompatibleDC(nullptr);
    HFONT unscaled = CreateFontIndirectA(&original);
    TEXTMETRICA metrics{};
    const int widest = widthOf(measuring, unscaled, metrics) * scale.percent() / 100;
    DeleteObject(unscaled);

    LOGFONTA wanted = original;
    wanted.lfHeight = scale.length(original.lfHeight);
    wanted.lfWidth = scale.length(original.lfWidth);
    if (trueTypeOnly) {
        wanted.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    }
    HFONT font = CreateFontIndirectA(&wanted);
    while (widthOf(measuring, font, metrics) > widest && wanted.lfWidth != 1) {
        const int width = wanted.lfWidth == 0 ? metrics.tmAveCharWidth : wanted.lfWidth;
        wanted.lfWidth = std::max(1, width - 1);
        DeleteObject(font);
        font = CreateFontIndirectA(&wanted);
    }
    DeleteDC(measuring);
    return font;
}

} // namespace

ControlFonts::ControlFonts(Scale scale) {
    const bool unscaled = scale.percent() == smallestScale;
    // Only at scale 1 on a 96-DPI system are the stock fonts the right size.
    const bool stockSized = unscaled && systemDpi() == 96;
    for (ControlFont kind : {ControlFont::System, ControlFont::Phrase, ControlFont::DefaultGui}) {
        const auto slot = static_cast<std::size_t>(kind);
        if (stockSized && kind != ControlFont::Phrase) {
            // The system font is every control's own.
            fonts_[slot] = kind == ControlFont::DefaultGui
                               ? static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))
                               : nullptr;
            continue;
        }
        const LOGFONTA original = describe(kind);
        fonts_[slot] = unscaled ? CreateFontIndirectA(&original)
                                : scaledFont(original, scale, kind == ControlFont::System);
        owned_[slot] = true;
    }
}

ControlFonts::~ControlFonts() {
    for (std::size_t slot = 0; slot < fonts_.size(); ++slot) {
        if (owned_[slot]) {
            DeleteObject(fonts_[slot]);
        }
    }
}

HFONT tableTextFont() {
    static const HFONT font = [] {
        if (systemDpi() == 96) {
            return static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
        }
        const LOGFONTA original = systemFont();
        return CreateFontIndirectA(&original);
    }();
    return font;
}

} // namespace tallyrope
