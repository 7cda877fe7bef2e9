#include "ui/caption_layout.h"

#include "text/catalogue.h"
#include "ui/text_layout.h"

#include <cmath>

namespace tallyrope {

namespace {

double anchorX(const CaptionRow& row) {
    switch (row.align) {
    case CaptionAlign::Left:
        return row.box.left;
    case CaptionAlign::Centre:
        break;
    case CaptionAlign::Right:
        return row.box.right;
    }
    return (row.box.left + row.box.right) / 2.0;
}

// The face's ascent less its descent, as FreeType rounds them at `pixels`: the faces rise 1901
// of their 2048 units (DejaVu Serif Bold 1923) and fall 483, the same in every front end.
int riseAboveFall(CaptionFace face, int pixels) {
    const int ascent = face == CaptionFace::SerifBold ? 1923 : 1901;
    return static_cast<int>(std::ceil(ascent * pixels / 2048.0)) -
           static_cast<int>(std::ceil(483 * pixels / 2048.0));
}

// Where a line `width` wide starts, for its anchor at `x`.
double lineStart(CaptionAlign align, double x, int width) {
    switch (align) {
    case CaptionAlign::Left:
        return x;
    case CaptionAlign::Centre:
        break;
    case CaptionAlign::Right:
        return x - width;
    }
    return x - width / 2.0;
}

} // namespace

CaptionLayout layOutCaption(const CaptionRow& row, const std::string& code, Scale scale,
                            bool pressed, const CaptionMeasure& measure) {
    const std::string lead = row.lead != nullptr ? translate(code, row.lead) : "";
    // A note's meaning follows its button's name after a dash (the code page's en dash).
    const std::string body = (lead.empty() ? "" : "\x96 ") + std::string(captionText(row, code));
    const int room = scale.toDevice(row.box.right) - scale.toDevice(row.box.left);
    const int smallest = row.smallestSize > 0 ? row.smallestSize : row.pixelSize;

    CaptionLayout layout;
    int pixels = 0;
    int leadWidth = 0;
    std::vector<std::string> lines;
    const auto width = [&](const std::string& text) { return measure(text, row.face, pixels); };
    for (int size = row.pixelSize; size >= smallest; --size) {
        pixels = scale.length(size);
        leadWidth =
            lead.empty() ? 0 : measure(lead, CaptionFace::SansBold, pixels) + scale.length(6);
        lines = row.lines > 1 ? wrapLines(body, room, width) : std::vector<std::string>{body};
        layout.fits = static_cast<int>(lines.size()) <= row.lines;
        for (const std::string& line : lines) {
            layout.fits = layout.fits && leadWidth + width(line) <= room;
        }
        if (layout.fits) {
            break;
        }
    }

    const int shift = pressed ? scale.length(1) : 0;
    const CaptionColour ink = pressed ? pressedCaptionInk : row.ink;
    const double factor = scale.percent() / 100.0;
    double baseline = row.y * factor;
    if (row.anchor == CaptionAnchor::Middle) {
        baseline += riseAboveFall(row.face, pixels) / 2.0;
    }
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const int lineWidth = leadWidth + width(lines[index]);
        const int x =
            static_cast<int>(std::lround(lineStart(row.align, anchorX(row) * factor, lineWidth))) +
            shift;
        const int y = static_cast<int>(std::lround(baseline + static_cast<double>(index) *
                                                                  row.lineStep * factor)) +
                      shift;
        const int offset = row.shadowed ? scale.length(1) : 0;
        if (!lead.empty()) {
            layout.pieces.push_back(
                {lead, CaptionFace::SansBold, pixels, x, y, ink, row.shadowed, row.shadow, offset});
        }
        layout.pieces.push_back({lines[index], row.face, pixels, x + leadWidth, y, ink,
                                 row.shadowed, row.shadow, offset});
    }
    return layout;
}

std::vector<CaptionPiece> captionStrokes(Window window, int control, bool pressed,
                                         const std::string& code, Scale scale,
                                         const CaptionMeasure& measure) {
    std::vector<CaptionPiece> strokes;
    for (const CaptionRow& row : captionTable()) {
        if (row.window != window || row.control != control) {
            continue;
        }
        for (const CaptionPiece& piece : layOutCaption(row, code, scale, pressed, measure).pieces) {
            if (piece.shadowed) {
                CaptionPiece shadow = piece;
                shadow.ink = piece.shadow;
                shadow.x += piece.shadowOffset;
                shadow.baseline += piece.shadowOffset;
                shadow.shadowed = false;
                strokes.push_back(shadow);
            }
            strokes.push_back(piece);
        }
    }
    return strokes;
}

} // namespace tallyrope
