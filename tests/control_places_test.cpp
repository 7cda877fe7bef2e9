// Where the controls lie in their windows, as both front ends make them from the table.
#include "ui/control_ids.h"
#include "ui/control_table.h"

#include <gtest/gtest.h>

#include <array>

namespace tallyrope {
namespace {

using Corners = std::array<int, 4>; // left, top, right, bottom

Corners placeOf(int id) {
    const Rect rect = shownRect(*findControl(id));
    return {rect.left, rect.top, rect.right, rect.bottom};
}

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(ControlPlaces, AFewLieWhereTheBackgroundsDrawThem) {
    EXPECT_EQ(placeOf(id::hNewGame), (Corners{761, 329, 863, 357}));
    EXPECT_EQ(placeOf(id::hQuitGame), (Corners{871, 3, 894, 22}));
    EXPECT_EQ(placeOf(id::hSolveMe), (Corners{150, 577, 483, 597}));
    EXPECT_EQ(placeOf(id::letterTile(0)), (Corners{86, 479, 105, 499}))
        << "tile A, its bitmap's size";
    EXPECT_EQ(placeOf(id::letterTile(25)), (Corners{521, 512, 538, 532}));
    EXPECT_EQ(placeOf(id::hCawWord), (Corners{457, 116, 510, 146})) << "its bitmap's size";
    EXPECT_EQ(placeOf(id::hEditWord), (Corners{261, 318, 545, 342}));
    EXPECT_EQ(placeOf(id::hDelSelect), (Corners{628, 313, 670, 341}));
    EXPECT_EQ(placeOf(id::hMsgOkBut), (Corners{138, 64, 180, 89}));
}

// The figure's parts and the win pictures, hidden at start, are drawn over one another; the two
// phrase lines share one rectangle.
TEST(ControlPlaces, NoTwoControlsOfAWindowOverlap) {
    const std::vector<ControlRow>& table = controlTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = i + 1; j < table.size(); ++j) {
            const ControlRow& a = table[i];
            const ControlRow& b = table[j];
            const bool phraseLines = a.id == id::hPuzzler && b.id == id::hDblDash;
            if (a.parent != b.parent || phraseLines || (!a.visible && !b.visible)) {
                continue;
            }
            EXPECT_FALSE(overlap(shownRect(a), shownRect(b))) << a.handle << " and " << b.handle;
        }
    }
}

} // namespace
} // namespace tallyrope
