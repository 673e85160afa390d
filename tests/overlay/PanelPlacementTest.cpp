#include "overlay/PanelPlacement.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

using namespace PanelPlacement;

const Rect visible{{0, 0}, {1920, 1055}};
const UnitPoint defaultCustom{0.5, 0.85};

TEST(PanelPlacement, EveryPositionOnAVisibleFrame)
{
    struct Expected {
        OverlayPosition position;
        Point origin;
        Alignment alignment;
    };
    const std::vector<Expected> cases{
        {OverlayPosition::topLeft, {40, 775}, Alignments::topLeading},
        {OverlayPosition::topCenter, {260, 775}, Alignments::top},
        {OverlayPosition::topRight, {480, 775}, Alignments::topTrailing},
        {OverlayPosition::middleLeft, {40, 427.5}, Alignments::leading},
        {OverlayPosition::middleRight, {480, 427.5}, Alignments::trailing},
        {OverlayPosition::bottomLeft, {40, 80}, Alignments::bottomLeading},
        {OverlayPosition::bottomCenter, {260, 80}, Alignments::bottom},
        {OverlayPosition::bottomRight, {480, 80}, Alignments::bottomTrailing},
        {OverlayPosition::custom, {260, 128.25}, Alignments::topLeading},
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(rawValue(expected.position));
        EXPECT_EQ(panelFrame(expected.position, visible, defaultCustom), (Rect{expected.origin, {1400, 200}}));
        EXPECT_EQ(alignment(expected.position), expected.alignment);
    }
}

TEST(PanelPlacement, CustomCornersMeetTheScreenCornersWithoutInsets)
{
    const Rect offset{{1920, 25}, {1280, 775}}; // a second screen to the right
    EXPECT_EQ(panelFrame(OverlayPosition::custom, offset, {0, 0}).origin, (Point{1920, 600}));
    EXPECT_EQ(panelFrame(OverlayPosition::custom, offset, {1, 1}).origin, (Point{1800, 25}));
    // Fixed positions follow the screen's own origin.
    EXPECT_EQ(panelFrame(OverlayPosition::bottomLeft, offset, defaultCustom).origin, (Point{1960, 105}));
}

std::function<Point()> at(Point pointer)
{
    return [pointer] { return pointer; };
}

TEST(PanelPlacement, ScreenResolutionFallsBackFromIdentityToPointerToMain)
{
    const Screen left{"AAAA", {{0, 0}, {1920, 1080}}, {{0, 0}, {1920, 1055}}};
    const Screen right{"BBBB", {{1920, 0}, {1280, 800}}, {{1920, 0}, {1280, 800}}};
    const Screen unnamed{std::nullopt, {{-1000, 0}, {1000, 800}}, {{-1000, 0}, {1000, 800}}};
    const std::vector<Screen> screens{unnamed, left, right};

    EXPECT_EQ(resolveScreen("BBBB", screens, at({10, 10}), left), right) << "identity wins over the pointer";
    EXPECT_EQ(resolveScreen("CCCC", screens, at({10, 10}), right), left) << "disconnected: the pointer's screen";
    EXPECT_EQ(resolveScreen("", screens, at({2000, 500}), left), right);
    EXPECT_EQ(resolveScreen("", screens, at({-5, 500}), left), unnamed);
    EXPECT_EQ(resolveScreen("", screens, at({5000, 5000}), right), right) << "pointer nowhere: the main screen";
    EXPECT_EQ(resolveScreen("", {}, at({0, 0}), std::nullopt), std::nullopt);
    // Of two adjacent screens exactly one holds a pointer on their shared edge.
    EXPECT_EQ(resolveScreen("", screens, at({1920, 500}), std::nullopt), right);
    EXPECT_EQ(resolveScreen("", screens, at({100, 1080}), std::nullopt), left);
    EXPECT_EQ(resolveScreen("", screens, at({100, 0}), std::nullopt), std::nullopt);
}

} // namespace
} // namespace kestrel
