// Device pixels and the tables' points, as every front end drawing at a scale converts them.
#include "ui/scale.h"

#include <gtest/gtest.h>

namespace tallyrope {
namespace {

TEST(Scale, DevicePixelsAndTablePointsMeetAtTheEdges) {
    const Scale half(150);
    EXPECT_EQ(half.toDevice(125), 188);
    EXPECT_EQ(half.toTable(187), 124);
    EXPECT_EQ(half.toTable(188), 125);
    EXPECT_EQ(half.toDevice(-450), -675);
    EXPECT_EQ(Scale(125).length(2), 3);
}

} // namespace
} // namespace tallyrope
