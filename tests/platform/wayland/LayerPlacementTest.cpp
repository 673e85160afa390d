#include "platform/wayland/LayerPlacement.h"

#include <gtest/gtest.h>

namespace kestrel::wayland {
namespace {

TEST(LayerPlacement, HoldsTheNearerEdgesOrNoneWhenCentred)
{
    // Bottom centre of a 1280 × 720 output: the bottom edge only, so any width centres it.
    const LayerPlacement bottomCentre = layerPlacement(440, 520, 400, 120, 1280, 720);
    EXPECT_FALSE(bottomCentre.left || bottomCentre.right || bottomCentre.top);
    EXPECT_TRUE(bottomCentre.bottom);
    EXPECT_EQ(bottomCentre.marginBottom, 80);

    // Top right: the top and right edges at their distances.
    const LayerPlacement topRight = layerPlacement(860, 20, 400, 120, 1280, 720);
    EXPECT_TRUE(topRight.top && topRight.right);
    EXPECT_FALSE(topRight.bottom || topRight.left);
    EXPECT_EQ(topRight.marginTop, 20);
    EXPECT_EQ(topRight.marginRight, 20);
    EXPECT_EQ(topRight.marginLeft, 0);

    // A pixel off the middle (odd sizes) still counts as centred.
    const LayerPlacement middle = layerPlacement(440, 300, 401, 119, 1280, 720);
    EXPECT_FALSE(middle.left || middle.right || middle.top || middle.bottom);
}

} // namespace
} // namespace kestrel::wayland
