#include "overlay/Visualizer.h"

#include "settings/Preferences.h"
#include "support/FakeEventTapService.h"
#include "support/FakeHotKeyService.h"
#include "support/FakeOverlay.h"
#include "support/ManualScheduler.h"
#include "support/MemoryDefaultsStore.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

using namespace std::chrono_literals;

class VisualizerTest : public ::testing::Test {
protected:
    std::unique_ptr<Visualizer> make()
    {
        return std::make_unique<Visualizer>(
            Visualizer::Services{taps, hotKeys, permission, defaults, scheduler, screens, panels});
    }

    void pressHotKey() { hotKeys.press(36, 0x1900); }

    test::FakeEventTapService taps;
    test::FakeHotKeyService hotKeys;
    test::FakePermissionService permission;
    test::MemoryDefaultsStore defaults;
    test::ManualScheduler scheduler;
    test::FakeScreenService screens;
    test::FakeOverlayPanelFactory panels;
};

TEST_F(VisualizerTest, StartsAtConstructionWhenWantedAndAllowed)
{
    const auto visualizer = make();
    EXPECT_TRUE(visualizer->isRunning.get());
    EXPECT_EQ(taps.taps().size(), 2u) << "keyboard and mouse";
    EXPECT_EQ(hotKeys.entries().size(), 1u);

    defaults.set(PreferenceKey::showKeystrokes, false);
    const auto second = make();
    EXPECT_FALSE(second->isRunning.get());
    second->start();
    EXPECT_TRUE(second->isRunning.get());
}

TEST_F(VisualizerTest, WithoutAccessNothingStartsButTheWishIsRecorded)
{
    permission.granted = false;
    defaults.set(PreferenceKey::showKeystrokes, false);
    const auto visualizer = make();
    pressHotKey();
    EXPECT_FALSE(visualizer->isRunning.get());
    EXPECT_TRUE(taps.taps().empty());
    EXPECT_TRUE(Preferences::showKeystrokes(defaults));

    permission.granted = true;
    visualizer->start();
    EXPECT_TRUE(visualizer->isRunning.get());
}

TEST_F(VisualizerTest, AccessAllowedThroughTheSystemsDialogStartsItOnlyWhenWanted)
{
    permission.granted = false;
    const auto visualizer = make();
    EXPECT_FALSE(visualizer->isRunning.get());
    permission.accessRequest = AccessRequest::asking;
    EXPECT_FALSE(visualizer->isRunning.get());
    permission.granted = true;
    permission.accessRequest = AccessRequest::allowed;
    EXPECT_TRUE(visualizer->isRunning.get()) << "the user wanted keys shown";

    // Switched off by the user, an allowed reader does not switch it on.
    visualizer->toggle();
    permission.accessRequest = AccessRequest::ended;
    permission.accessRequest = AccessRequest::allowed;
    EXPECT_FALSE(visualizer->isRunning.get());
}

TEST_F(VisualizerTest, ARefusedKeyboardTapLeavesItStoppedAndStopRemovesTheMouseTap)
{
    taps.refusedTypes = 1u << EventType::keyDown;
    const auto visualizer = make();
    std::vector<bool> heard;
    visualizer->isRunning.subscribe([&](bool running) { heard.push_back(running); });
    visualizer->start();
    EXPECT_FALSE(visualizer->isRunning.get());
    EXPECT_EQ(taps.taps().size(), 1u) << "the mouse tap alone";
    visualizer->stop();
    EXPECT_TRUE(taps.taps().empty());

    taps.refusedTypes = 0;
    visualizer->start();
    visualizer->start();
    EXPECT_EQ(heard, std::vector<bool>{true}) << "observers hear only real changes";
}

TEST_F(VisualizerTest, EventsFlowToTheOverlayAndStoppingClearsItAtOnce)
{
    const auto visualizer = make();
    PlatformEvent command{.type = EventType::flagsChanged, .flags = 0x100000, .keyCode = 55};
    taps.deliver(command);
    PlatformEvent click{.type = EventType::leftMouseDown, .flags = 0x100000};
    taps.deliver(click);
    EXPECT_EQ(visualizer->overlay().model().keycaps.get().size(), 2u);

    pressHotKey();
    EXPECT_FALSE(visualizer->isRunning.get());
    EXPECT_FALSE(Preferences::showKeystrokes(defaults));
    EXPECT_TRUE(visualizer->overlay().model().keycaps.get().empty());
    EXPECT_FALSE(panels.panel.isOrderedIn);
    EXPECT_TRUE(taps.taps().empty());

    pressHotKey();
    EXPECT_TRUE(visualizer->isRunning.get());
    EXPECT_TRUE(Preferences::showKeystrokes(defaults));
    EXPECT_EQ(panels.panel.orderOutCount, 1);
}

TEST_F(VisualizerTest, TheHotKeyNeverReachesAVisualizerThatIsGone)
{
    auto visualizer = make();
    auto action = hotKeys.entries().begin()->second.onPressed;
    visualizer.reset();
    EXPECT_TRUE(hotKeys.entries().empty());
    action(); // a press that was already on its way
    EXPECT_TRUE(Preferences::showKeystrokes(defaults));
}

TEST_F(VisualizerTest, AHotKeyAnotherProgramHoldsIsKnownNotToWorkAndTheSwitchStillDoes)
{
    EXPECT_TRUE(make()->hotKeyWorks());
    hotKeys.refuse = true;
    const auto visualizer = make();
    EXPECT_FALSE(visualizer->hotKeyWorks());
    visualizer->toggle();
    EXPECT_FALSE(visualizer->isRunning.get());
    visualizer->toggle();
    EXPECT_TRUE(visualizer->isRunning.get());
}

} // namespace
} // namespace kestrel
