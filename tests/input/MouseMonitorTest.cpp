#include "input/MouseMonitor.h"

#include "settings/Preferences.h"
#include "support/FakeEventTapService.h"
#include "support/MemoryDefaultsStore.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kestrel {
namespace {

PlatformEvent mouse(std::uint32_t type, std::uint64_t flags = 0, std::int64_t button = 0)
{
    PlatformEvent event{.type = type, .flags = flags};
    event.buttonNumber = button;
    return event;
}

PlatformEvent scroll(double vertical, double horizontal, std::int64_t momentum = 0)
{
    PlatformEvent event{.type = EventType::scrollWheel};
    event.scrollDeltaAxis1 = vertical;
    event.scrollDeltaAxis2 = horizontal;
    event.momentumPhase = momentum;
    return event;
}

struct MouseMonitorTest : ::testing::Test {
    test::FakeEventTapService service;
    test::MemoryDefaultsStore defaults;
    MouseMonitor monitor{service, defaults};
    std::vector<MouseEvent> events;

    void SetUp() override
    {
        monitor.onMouseEvent = [this](const MouseEvent& event) { events.push_back(event); };
        monitor.start();
    }

    void play(const std::vector<PlatformEvent>& sequence)
    {
        for (const auto& event : sequence)
            service.deliver(event);
    }
};

TEST_F(MouseMonitorTest, ButtonsBecomePressesAndReleasesWithTheirModifiers)
{
    play({mouse(EventType::leftMouseDown, 0x20000), mouse(EventType::leftMouseUp),
          mouse(EventType::rightMouseDown, 0x100000), mouse(EventType::rightMouseUp),
          mouse(EventType::otherMouseDown, 0x40000, 2), mouse(EventType::otherMouseUp, 0, 2)});
    const std::vector<MouseEvent> expected{
        ButtonDown{MouseButton::left, {Modifier::shift}},     ButtonUp{MouseButton::left},
        ButtonDown{MouseButton::right, {Modifier::command}},  ButtonUp{MouseButton::right},
        ButtonDown{MouseButton::middle, {Modifier::control}}, ButtonUp{MouseButton::middle},
    };
    EXPECT_EQ(events, expected);
}

TEST_F(MouseMonitorTest, SideButtonsAreIgnoredBothWays)
{
    play({mouse(EventType::otherMouseDown, 0, 3), mouse(EventType::otherMouseUp, 0, 3),
          mouse(EventType::otherMouseDown, 0, 4), mouse(EventType::otherMouseUp, 0, 4)});
    EXPECT_TRUE(events.empty());
}

TEST_F(MouseMonitorTest, ThePreferenceIsReadForEveryEventAndReleasesAlwaysPass)
{
    play({mouse(EventType::leftMouseDown)});
    defaults.set(PreferenceKey::showClicksAndScrolling, false);
    play({mouse(EventType::leftMouseUp), mouse(EventType::rightMouseDown), mouse(EventType::rightMouseUp),
          mouse(EventType::otherMouseDown, 0, 2), mouse(EventType::otherMouseUp, 0, 2), scroll(1, 0)});
    defaults.set(PreferenceKey::showClicksAndScrolling, true);
    play({scroll(-1, 0)});

    const std::vector<MouseEvent> expected{
        ButtonDown{MouseButton::left, {}}, ButtonUp{MouseButton::left},       ButtonUp{MouseButton::right},
        ButtonUp{MouseButton::middle},     Scroll{ScrollDirection::down, {}},
    };
    EXPECT_EQ(events, expected);
}

TEST_F(MouseMonitorTest, EachScrollStepIsOneEventAndMomentumIsDropped)
{
    play({scroll(1, 0), scroll(1, 0, 1), scroll(0, 0), scroll(0, -4, 2), scroll(1, 0, 0)});
    const std::vector<MouseEvent> expected{Scroll{ScrollDirection::up, {}}, Scroll{ScrollDirection::up, {}}};
    EXPECT_EQ(events, expected);
}

TEST(MouseMonitorScroll, TheLargerAxisWinsAndTiesFavourVertical)
{
    const auto direction = [](double vertical, double horizontal) {
        return MouseMonitor::scrollDirection(scroll(vertical, horizontal));
    };
    EXPECT_EQ(direction(2.0, -2.0), ScrollDirection::up);
    EXPECT_EQ(direction(-2.0, 2.0), ScrollDirection::down);
    EXPECT_EQ(direction(-0.5, 3.0), ScrollDirection::left);
    EXPECT_EQ(direction(-0.5, -3.0), ScrollDirection::right);
    EXPECT_EQ(direction(-1.0, 0.0), ScrollDirection::down);
    EXPECT_EQ(direction(0.0, 0.0), std::nullopt);
}

} // namespace
} // namespace kestrel
