#include "ui/field_frames.h"

#include "ui/control_ids.h"
#include "ui/control_table.h"

namespace tallyrope {

namespace {

constexpr CaptionColour bevelShadow{96, 78, 52};
constexpr CaptionColour bevelLight{255, 250, 234};

bool framed(const ControlRow& row) {
    // The second phrase line lies on the first one's field.
    return (row.kind == ControlKind::TextNoPrefix || row.kind == ControlKind::TextSimple ||
            row.kind == ControlKind::TextCentred || row.kind == ControlKind::Edit) &&
           row.id != id::hDblDash;
}

} // namespace

std::vector<FrameBand> fieldFrames(Window window, Scale scale) {
    std::vector<FrameBand> bands;
    for (const ControlRow& row : controlTable()) {
        if (row.parent != window || !framed(row)) {
            continue;
        }
        const int left = scale.toDevice(row.x - 1);
        const int innerLeft = scale.toDevice(row.x);
        const int top = scale.toDevice(row.y - 1);
        const int innerTop = scale.toDevice(row.y);
        const int innerRight = scale.toDevice(row.x + row.width);
        const int right = scale.toDevice(row.x + row.width + 1);
        const int innerBottom = scale.toDevice(row.y + row.height);
        const int bottom = scale.toDevice(row.y + row.height + 1);
        bands.push_back({{left, top, right, innerTop}, bevelShadow});
        bands.push_back({{left, top, innerLeft, bottom}, bevelShadow});
        bands.push_back({{left, innerBottom, right, bottom}, bevelLight});
        bands.push_back({{innerRight, top, right, bottom}, bevelLight});
    }
    return bands;
}

} // namespace tallyrope
