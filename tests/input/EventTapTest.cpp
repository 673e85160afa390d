#include "input/EventTap.h"

#include "support/FakeEventTapService.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kestrel {
namespace {

using test::FakeEventTapService;

struct EventTapTest : ::testing::Test {
    FakeEventTapService service;
    std::vector<std::uint32_t> handled;
    EventTap tap{service, {EventType::keyDown, EventType::keyUp}, [this](std::uint32_t type, const PlatformEvent&) {
                     handled.push_back(type);
                 }};

    EventTapService::TapId onlyTap() const
    {
        EXPECT_EQ(service.taps().size(), 1u);
        return service.taps().begin()->first;
    }
};

TEST(EventTapMask, IsOneBitPerRequestedType)
{
    EXPECT_EQ(EventTap::maskFor({1, 2, 3, 4, 25, 26, 22}), 0x640001Eu);
    EXPECT_EQ(EventTap::maskFor({10, 11, 12}), 0x1C00u);
    EXPECT_EQ(EventTap::maskFor({63}), std::uint64_t{1} << 63);
    EXPECT_EQ(EventTap::maskFor({10, 64, 0xFFFFFFFE}), 0x400u) << "types of 64 or more add nothing";
}

TEST_F(EventTapTest, StartsOnceAndDeliversWhileRunning)
{
    service.deliver({.type = EventType::keyDown});
    EXPECT_TRUE(handled.empty()) << "nothing is installed before start";

    EXPECT_TRUE(tap.start());
    EXPECT_TRUE(tap.start());
    EXPECT_EQ(service.tapsCreated, 1);
    EXPECT_EQ(service.taps().at(onlyTap()).mask, 0xC00u);
    EXPECT_TRUE(service.taps().at(onlyTap()).enabled);

    service.deliver({.type = EventType::keyUp});
    service.deliver({.type = EventType::flagsChanged}); // not in the mask
    EXPECT_EQ(handled, std::vector<std::uint32_t>{EventType::keyUp});
}

TEST_F(EventTapTest, StopRemovesTheTapAndStartInstallsAFreshOne)
{
    tap.stop(); // stopped already: nothing happens
    EXPECT_EQ(service.enableCalls, 0);

    ASSERT_TRUE(tap.start());
    const auto first = onlyTap();
    tap.stop();
    EXPECT_FALSE(tap.isRunning());
    EXPECT_TRUE(service.taps().empty());
    service.deliver({.type = EventType::keyDown});
    EXPECT_TRUE(handled.empty());

    ASSERT_TRUE(tap.start());
    EXPECT_NE(onlyTap(), first);
    EXPECT_EQ(service.tapsCreated, 2);
}

TEST_F(EventTapTest, ARefusedTapLeavesItStopped)
{
    service.refusedTypes = FakeEventTapService::everything;
    EXPECT_FALSE(tap.start());
    EXPECT_FALSE(tap.isRunning());
    service.refusedTypes = 0;
    EXPECT_TRUE(tap.start());
}

TEST_F(EventTapTest, ReenablesItselfWhenTheSourceSwitchesItOff)
{
    ASSERT_TRUE(tap.start());
    const auto id = onlyTap();
    for (std::uint32_t reason : {EventType::tapDisabledByTimeout, EventType::tapDisabledByUserInput}) {
        service.disable(id, reason);
        EXPECT_TRUE(service.taps().at(id).enabled);
    }
    EXPECT_TRUE(handled.empty()) << "disable notices never reach the handler";
    EXPECT_TRUE(tap.isRunning());
}

TEST(EventTapLifetime, NoCallbackReachesADestroyedTap)
{
    FakeEventTapService service;
    int handled = 0;
    EventTapService::Callback leakedCallback;
    {
        EventTap tap{service, {EventType::keyDown}, [&](std::uint32_t, const PlatformEvent&) { ++handled; }};
        ASSERT_TRUE(tap.start());
        leakedCallback = service.taps().begin()->second.callback;
    }
    EXPECT_TRUE(service.taps().empty()) << "destroying the tap removes it";
    // A source that still held on to the callback must not reach freed memory.
    leakedCallback(EventType::keyDown, PlatformEvent{.type = EventType::keyDown});
    leakedCallback(EventType::tapDisabledByTimeout, PlatformEvent{});
    EXPECT_EQ(handled, 0);
}

} // namespace
} // namespace kestrel
