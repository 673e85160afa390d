#include "common/ScreenCoordinates.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

// A 1920 × 1080 primary screen right of a taller 1280 × 1024 one that sits 200 points lower,
// as Qt lays them out: the virtual desktop's origin is the left screen's top edge.
const Rect leftScreenInQt{{0, 200}, {1280, 1024}};
const Rect primaryInQt{{1280, 0}, {1920, 1080}};

TEST(ScreenCoordinates, KestrelCountsFromThePrimaryScreensBottomLeftCornerUpwards)
{
    const ScreenCoordinates coordinates(primaryInQt);
    EXPECT_EQ(coordinates.toKestrel(Point{1280, 1080}), (Point{0, 0}));
    EXPECT_EQ(coordinates.toKestrel(Point{3200, 0}), (Point{1920, 1080}));
    EXPECT_EQ(coordinates.toKestrel(primaryInQt), (Rect{{0, 0}, {1920, 1080}}));
    // The left screen reaches 144 points below the primary one's bottom edge.
    EXPECT_EQ(coordinates.toKestrel(leftScreenInQt), (Rect{{-1280, -144}, {1280, 1024}}));
}

TEST(ScreenCoordinates, ARectangleComesBackToQtWhereItWas)
{
    const ScreenCoordinates coordinates(primaryInQt);
    for (const Rect& inQt : {leftScreenInQt, primaryInQt, Rect{{1500.5, 900}, {320, 120}}}) {
        const Rect inKestrel = coordinates.toKestrel(inQt);
        EXPECT_EQ(coordinates.toQt(inKestrel), inQt);
    }
    // A panel 40 points above the primary screen's bottom edge, at its left.
    EXPECT_EQ(coordinates.toQt(Rect{{0, 40}, {1400, 200}}), (Rect{{1280, 840}, {1400, 200}}));
}

} // namespace
} // namespace kestrel
