#include "input/KeystrokeMonitor.h"

#include "support/FakeEventTapService.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrel {
namespace {

struct KeystrokeMonitorTest : ::testing::Test {
    test::FakeEventTapService service;
    KeystrokeMonitor monitor{service};
    std::vector<KeyEvent> events;

    void SetUp() override
    {
        monitor.onKeyEvent = [this](const KeyEvent& event) { events.push_back(event); };
    }

    static PlatformEvent flagsChanged(std::int64_t keyCode, std::uint64_t flags)
    {
        PlatformEvent event{.type = EventType::flagsChanged, .flags = flags};
        event.keyCode = keyCode;
        return event;
    }
    static PlatformEvent keyDown(std::int64_t keyCode, std::optional<std::string> text, std::uint64_t flags = 0,
                                 bool repeat = false)
    {
        PlatformEvent event{.type = EventType::keyDown, .flags = flags};
        event.keyCode = keyCode;
        event.autorepeat = repeat ? 1 : 0;
        event.layoutText = std::move(text);
        return event;
    }
    static PlatformEvent keyUp(std::int64_t keyCode)
    {
        PlatformEvent event{.type = EventType::keyUp};
        event.keyCode = keyCode;
        return event;
    }
};

const KeyInfo letterK{40, "k", std::nullopt, false, std::nullopt};

TEST_F(KeystrokeMonitorTest, CommandKReachesTheCallbackInTheOrderTheSystemReportsIt)
{
    monitor.start();
    service.deliver(flagsChanged(55, 0x100000 | 0x8));
    service.deliver(keyDown(40, "k", 0x100000));
    service.deliver(keyUp(40));
    service.deliver(flagsChanged(55, 0));

    const std::vector<KeyEvent> expected{
        ModifiersChanged{{Modifier::command}},
        KeyDown{letterK, {Modifier::command}, false},
        KeyUp{40},
        ModifiersChanged{{}},
    };
    EXPECT_EQ(events, expected);
}

TEST_F(KeystrokeMonitorTest, CapsLockTravelsAsItsOwnEventWithTheStateAfterThePress)
{
    monitor.start();
    service.deliver(flagsChanged(57, 0x10000));
    service.deliver(flagsChanged(57, 0x10000 | 0x20000)); // a stray Shift bit is not a modifier change here
    service.deliver(flagsChanged(57, 0));
    EXPECT_EQ(events, (std::vector<KeyEvent>{CapsLockToggled{true}, CapsLockToggled{true}, CapsLockToggled{false}}));
}

TEST_F(KeystrokeMonitorTest, FlagChangesThatTouchNoModifierStillReportTheFullSet)
{
    monitor.start();
    service.deliver(flagsChanged(63, 0x800000 | 0x20000)); // fn pressed while Shift is held
    EXPECT_EQ(events, (std::vector<KeyEvent>{ModifiersChanged{{Modifier::shift}}}));
}

TEST_F(KeystrokeMonitorTest, RepeatsAreMarkedAndUnlabelledKeysStillRelease)
{
    monitor.start();
    service.deliver(keyDown(0, "a"));
    service.deliver(keyDown(0, "a", 0, true));
    service.deliver(keyUp(0));
    service.deliver(keyDown(114, "\uF746")); // Help: function-key text
    service.deliver(keyDown(10, ""));
    service.deliver(keyUp(114));

    const KeyInfo a{0, "a", std::nullopt, false, std::nullopt};
    EXPECT_EQ(events, (std::vector<KeyEvent>{KeyDown{a, {}, false}, KeyDown{a, {}, true}, KeyUp{0}, KeyUp{114}}));
}

TEST_F(KeystrokeMonitorTest, WithoutACallbackEventsAreDroppedQuietly)
{
    monitor.onKeyEvent = nullptr;
    monitor.start();
    service.deliver(flagsChanged(57, 0x10000));
    service.deliver(keyDown(0, "a"));
    service.deliver(keyUp(0));
    EXPECT_TRUE(monitor.isRunning.get());
}

TEST_F(KeystrokeMonitorTest, IsRunningFollowsTheTapAndOnlyChangesAreHeard)
{
    std::vector<bool> heard;
    monitor.isRunning.subscribe([&](bool running) { heard.push_back(running); });

    monitor.stop();
    monitor.stop();
    monitor.start();
    monitor.start();
    EXPECT_EQ(service.tapsCreated, 1);
    EXPECT_EQ(service.taps().begin()->second.mask, 0x1C00u);
    monitor.stop();
    EXPECT_TRUE(service.taps().empty());

    service.refusedTypes = test::FakeEventTapService::everything;
    monitor.start();
    EXPECT_FALSE(monitor.isRunning.get());
    EXPECT_EQ(heard, (std::vector<bool>{true, false}));
}

} // namespace
} // namespace kestrel
