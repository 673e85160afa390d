#include "settings/DisplayChooser.h"
#include "settings/PositionPickerGeometry.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

namespace Geometry = PositionPickerGeometry;

TEST(PositionPickerGeometry, AClickInsideAPresetChoosesItEdgesAtTheMinimumSideIncluded)
{
    // Every preset's centre chooses that preset.
    for (const auto& preset : Geometry::presets) {
        EXPECT_EQ(Geometry::click(preset.rect.midX(), preset.rect.midY()),
                  (Geometry::Choice{preset.position, std::nullopt}))
            << rawValue(preset.position);
    }
    // Top Right: its left and top edges are in, its right and bottom edges out.
    EXPECT_EQ(Geometry::click(0.738, 0.051).position, OverlayPosition::topRight);
    EXPECT_EQ(Geometry::click(0.738 + 0.233, 0.1).position, OverlayPosition::custom);
    EXPECT_EQ(Geometry::click(0.8, 0.051 + 0.121).position, OverlayPosition::custom);
    EXPECT_EQ(Geometry::click(0.7379, 0.1).position, OverlayPosition::custom);
}

TEST(PositionPickerGeometry, OutsideThePresetsAClickOrADragChoosesClampedFractions)
{
    // The centre has no preset: it is always custom.
    EXPECT_EQ(Geometry::click(0.5, 0.5), (Geometry::Choice{OverlayPosition::custom, UnitPoint{0.5, 0.5}}));
    EXPECT_EQ(Geometry::click(-0.2, 1.4), (Geometry::Choice{OverlayPosition::custom, UnitPoint{0, 1}}));
    // A drag is custom even on a preset, and never leaves 0…1.
    EXPECT_EQ(Geometry::drag(0.8, 0.1), (Geometry::Choice{OverlayPosition::custom, UnitPoint{0.8, 0.1}}));
    EXPECT_EQ(Geometry::drag(2, -3), (Geometry::Choice{OverlayPosition::custom, UnitPoint{1, 0}}));
}

TEST(PositionPickerGeometry, TheSampleOverlayAndItsKeyRowFollowThePosition)
{
    const auto preset = Geometry::placement(OverlayPosition::bottomCenter, 0.1, 0.1);
    EXPECT_EQ(preset.rect, (UnitRect{0.3835, 0.828, 0.233, 0.121}));
    EXPECT_EQ(preset.anchor, (UnitPoint{0.5, 0.5}));

    // Custom at the corners: the sample touches the miniature's corner, the row sits in its corner.
    const auto topLeft = Geometry::placement(OverlayPosition::custom, 0, 0);
    EXPECT_EQ(topLeft.rect, (UnitRect{0, 0, 0.233, 0.121}));
    EXPECT_EQ(Geometry::keyRowCentre(topLeft, 500, 314), (Point{6 + 24.5, 6 + 9}));
    const auto bottomRight = Geometry::placement(OverlayPosition::custom, 1, 1);
    EXPECT_NEAR(bottomRight.rect.x + bottomRight.rect.width, 1, 1e-12);
    EXPECT_NEAR(bottomRight.rect.y + bottomRight.rect.height, 1, 1e-12);
    const Point corner = Geometry::keyRowCentre(bottomRight, 500, 314);
    EXPECT_NEAR(corner.x, 500 - 6 - 24.5, 1e-9);
    EXPECT_NEAR(corner.y, 314 - 6 - 9, 1e-9);
    // Centred in a preset.
    const Point centred = Geometry::keyRowCentre(preset, 500, 314);
    EXPECT_NEAR(centred.x, 500 * preset.rect.midX(), 1e-9);
    EXPECT_NEAR(centred.y, 314 * preset.rect.midY(), 1e-9);
}

TEST(DisplayChooser, OneScreenAndNothingChosenOffersOnlyThePointerAndIsDisabled)
{
    const std::vector<Screen> screens{{.displayIdentity = "AAA", .name = "DP-1"}, {.name = "no identity"}};
    const auto connected = connectedDisplays(screens);
    ASSERT_EQ(connected, (std::vector<ConnectedDisplay>{{"AAA", "DP-1"}})) << "a screen without identity is left out";

    const auto alone = DisplayChooser::build(connected, "");
    EXPECT_EQ(alone.items, (std::vector<DisplayChooser::Item>{{.title = DisplayChooser::pointerTitle}}));
    EXPECT_FALSE(alone.isEnabled);
    EXPECT_FALSE(alone.isDisconnected);

    const auto chosen = DisplayChooser::build(connected, "AAA");
    EXPECT_TRUE(chosen.isEnabled);
    EXPECT_EQ(chosen.items.size(), 3u) << "pointer, divider, the screen";
    EXPECT_EQ(chosen.items[2], (DisplayChooser::Item{.name = "DP-1", .value = "AAA"}));
}

TEST(DisplayChooser, AnAbsentChosenDisplayIsKeptAndSaidUntilItComesBack)
{
    const std::vector<ConnectedDisplay> two{{"AAA", "DP-1"}, {"BBB", "HDMI-1"}};
    const auto absent = DisplayChooser::build({two[0]}, "BBB");
    EXPECT_TRUE(absent.isDisconnected);
    EXPECT_EQ(absent.items.back(), (DisplayChooser::Item{.title = DisplayChooser::disconnectedTitle, .value = "BBB"}));
    EXPECT_EQ(absent.selectedValue, "BBB");

    const auto back = DisplayChooser::build(two, "BBB");
    EXPECT_FALSE(back.isDisconnected);
    EXPECT_EQ(back.items.back(), (DisplayChooser::Item{.name = "HDMI-1", .value = "BBB"}));
    EXPECT_TRUE(DisplayChooser::build(two, "").isEnabled) << "two screens to choose from";
}

} // namespace
} // namespace kestrel
