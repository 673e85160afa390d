#include "overlay/OverlayController.h"

#include "settings/Preferences.h"
#include "support/FakeOverlay.h"
#include "support/ManualScheduler.h"
#include "support/MemoryDefaultsStore.h"
#include "support/OverlayEventScript.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace kestrel {
namespace {

using namespace std::chrono_literals;

KeyDown press(std::int64_t keyCode, std::string symbol, ModifierSet modifiers = {}, bool special = false)
{
    return KeyDown{KeyInfo{keyCode, std::move(symbol), std::nullopt, special, std::nullopt}, modifiers, false};
}

class OverlayControllerTest : public ::testing::Test {
protected:
    OverlayControllerTest()
    {
        const Screen screen{"MAIN", {{0, 0}, {1920, 1080}}, {{0, 0}, {1920, 1055}}};
        screens.screenList = {screen};
        screens.main = screen;
        screens.pointer = {100, 100};
    }

    std::size_t shown() const { return controller.model().keycaps.get().size(); }
    bool pressed(std::size_t index) const { return controller.model().keycaps.get().at(index).isPressed; }

    test::ManualScheduler scheduler;
    test::MemoryDefaultsStore defaults;
    test::FakeScreenService screens;
    test::FakeOverlayPanelFactory panels;
    OverlayController controller{{scheduler, defaults, screens, panels}};
};

TEST_F(OverlayControllerTest, AHeldModifierStaysUntilReleasedThenHidesAfterTheDuration)
{
    controller.handle(ModifiersChanged{{Modifier::command}});
    EXPECT_EQ(panels.panelsMade, 1);
    EXPECT_TRUE(panels.panel.isOrderedIn);
    scheduler.advance(10s);
    EXPECT_EQ(shown(), 1u);
    EXPECT_FALSE(controller.isHideScheduled());

    controller.handle(ModifiersChanged{{}});
    EXPECT_FALSE(pressed(0));
    scheduler.advance(1499ms);
    EXPECT_EQ(shown(), 1u);
    scheduler.advance(1ms);
    EXPECT_EQ(shown(), 0u);
    EXPECT_TRUE(panels.panel.isOrderedIn) << "the panel stays up, empty, while the view fades";
}

TEST_F(OverlayControllerTest, TypingALetterEverySecondKeepsTheOverlayUp)
{
    for (int i = 0; i < 5; ++i) {
        controller.handle(press(0, "a"));
        scheduler.advance(100ms);
        controller.handle(KeyUp{0});
        scheduler.advance(900ms);
        ASSERT_EQ(shown(), 1u) << "after key " << i;
    }
    scheduler.advance(600ms);
    EXPECT_EQ(shown(), 0u);
}

TEST_F(OverlayControllerTest, CapsLockPopsUpAfterAMomentThenHides)
{
    defaults.set(PreferenceKey::displayDuration, 2.0);
    controller.handle(CapsLockToggled{true});
    EXPECT_TRUE(pressed(0));
    scheduler.advance(149ms);
    EXPECT_TRUE(pressed(0));
    scheduler.advance(1ms);
    EXPECT_FALSE(pressed(0));
    scheduler.advance(1999ms);
    EXPECT_EQ(shown(), 1u) << "the countdown starts at the timed release";
    scheduler.advance(1ms);
    EXPECT_EQ(shown(), 0u);
}

TEST_F(OverlayControllerTest, AScrollBurstKeepsOneArrowPressed)
{
    for (int step = 0; step < 10; ++step) {
        controller.handle(Scroll{ScrollDirection::down, {}});
        scheduler.advance(150ms);
        ASSERT_EQ(shown(), 1u);
        ASSERT_TRUE(pressed(0)) << "step " << step;
    }
    scheduler.advance(50ms);
    EXPECT_FALSE(pressed(0));
    scheduler.advance(1500ms);
    EXPECT_EQ(shown(), 0u);
}

TEST_F(OverlayControllerTest, HideRemovesEverythingAtOnceAndNoTimerBringsItBack)
{
    controller.handle(CapsLockToggled{true});
    controller.handle(Scroll{ScrollDirection::up, {}});
    controller.handle(press(8, "c", {Modifier::command}));
    controller.handle(KeyUp{8});
    controller.handle(ModifiersChanged{{}});
    controller.hide();
    EXPECT_EQ(shown(), 0u);
    EXPECT_FALSE(panels.panel.isOrderedIn);
    EXPECT_EQ(controller.state(), InputDisplayState{});
    EXPECT_EQ(scheduler.pendingCount(), 0u);

    scheduler.advance(1h);
    EXPECT_EQ(shown(), 0u);
    controller.handle(press(0, "a"));
    EXPECT_TRUE(panels.panel.isOrderedIn) << "usable again after hide";
    EXPECT_EQ(panels.panelsMade, 1);
}

TEST_F(OverlayControllerTest, TasksThatFireAfterBeingReArmedOrAfterHideDoNothing)
{
    scheduler.cancelArrivesTooLate = true;
    controller.handle(press(0, "a"));
    controller.handle(KeyUp{0});
    scheduler.advance(1400ms);
    controller.handle(Scroll{ScrollDirection::up, {}});
    scheduler.advance(150ms); // the first hide fires late
    ASSERT_EQ(shown(), 1u);
    controller.handle(Scroll{ScrollDirection::up, {}});
    scheduler.advance(100ms); // so does the first scroll release
    ASSERT_EQ(shown(), 1u);
    EXPECT_TRUE(pressed(0));

    controller.handle(CapsLockToggled{true});
    controller.hide();
    scheduler.advance(1h);
    EXPECT_EQ(controller.state(), InputDisplayState{});
    EXPECT_FALSE(panels.panel.isOrderedIn);
}

TEST_F(OverlayControllerTest, AnIgnoredKeyRestartsTheCountdown)
{
    defaults.set(PreferenceKey::displayMode, "shortcutsOnly");
    controller.handle(press(8, "c", {Modifier::command}));
    controller.handle(KeyUp{8});
    controller.handle(ModifiersChanged{{}});
    scheduler.advance(1s);
    controller.handle(press(0, "a")); // ignored, but the row still refreshes
    scheduler.advance(1s);
    EXPECT_EQ(shown(), 2u);
    scheduler.advance(500ms);
    EXPECT_EQ(shown(), 0u);
}

TEST_F(OverlayControllerTest, PreferencesApplyAtTheNextEvent)
{
    controller.handle(press(0, "a"));
    const OverlayModel& model = controller.model();
    EXPECT_EQ(panels.panel.frame, (Rect{{260, 80}, {1400, 200}}));
    EXPECT_EQ(model.alignment.get(), Alignments::bottom);
    EXPECT_EQ(model.fontSize.get(), 64);

    defaults.set(PreferenceKey::overlayPosition, "topRight");
    defaults.set(PreferenceKey::overlaySize, "large");
    defaults.set(PreferenceKey::keyColor, "green");
    controller.handle(KeyUp{0});
    EXPECT_EQ(panels.panel.frame, (Rect{{480, 775}, {1400, 200}}));
    EXPECT_EQ(model.alignment.get(), Alignments::topTrailing);
    EXPECT_EQ(model.fontSize.get(), 80);
    EXPECT_EQ(model.keyColor.get(), KeyColor::green);

    defaults.set(PreferenceKey::overlayPosition, "custom");
    defaults.set(PreferenceKey::customPositionX, 1.5);
    controller.handle(press(0, "a"));
    EXPECT_EQ(model.anchor.get(), (UnitPoint{1.0, 0.85}));
    EXPECT_EQ(panels.panel.frame->origin, (Point{520, 128.25}));
    defaults.set(PreferenceKey::overlayPosition, "bottomLeft");
    defaults.set(PreferenceKey::overlaySize, "small");
    controller.handle(KeyUp{0});
    EXPECT_EQ(model.anchor.get(), std::nullopt);
    EXPECT_EQ(model.fontSize.get(), 48);

    // The chosen display wins over the pointer's screen.
    screens.screenList.push_back(Screen{"SIDE", {{1920, 0}, {1280, 800}}, {{1920, 0}, {1280, 800}}});
    defaults.set(PreferenceKey::overlayDisplay, "SIDE");
    defaults.set(PreferenceKey::showShiftWithCapitals, true);
    controller.handle(press(0, "A", {Modifier::shift}));
    EXPECT_EQ(panels.panel.frame->origin, (Point{1960, 80}));
    EXPECT_EQ(model.keycaps.get().size(), 2u) << "⇧ shown with the capital";
}

TEST_F(OverlayControllerTest, ObserversHearOnlyRealChanges)
{
    int keycapChanges = 0;
    int otherChanges = 0;
    const OverlayModel& model = controller.model();
    model.keycaps.subscribe([&](const auto&) { ++keycapChanges; });
    model.fontSize.subscribe([&](double) { ++otherChanges; });

    defaults.set(PreferenceKey::displayMode, "shortcutsOnly");
    controller.handle(press(8, "c", {Modifier::command}));
    controller.handle(press(0, "a")); // ignored: the same list again
    controller.handle(press(0, "a"));
    EXPECT_EQ(keycapChanges, 1);
    EXPECT_EQ(otherChanges, 0);
}

TEST_F(OverlayControllerTest, WithoutAnyScreenThePanelKeepsItsFrameAndTheModelStillUpdates)
{
    screens.screenList.clear();
    screens.main.reset();
    controller.handle(press(0, "a"));
    EXPECT_EQ(panels.panel.frame, std::nullopt);
    EXPECT_EQ(shown(), 1u);
}

TEST_F(OverlayControllerTest, AWildDisplayDurationNeitherHangsNorOverflowsTheTimer)
{
    EXPECT_EQ(OverlayController::hideDelay(0), 0ms);
    EXPECT_EQ(OverlayController::hideDelay(-3), 0ms);
    EXPECT_EQ(OverlayController::hideDelay(std::nan("")), 0ms);
    EXPECT_EQ(OverlayController::hideDelay(0.25), 250ms);
    EXPECT_EQ(OverlayController::hideDelay(1e300), 24h);
    EXPECT_EQ(OverlayController::hideDelay(INFINITY), 24h);

    defaults.set(PreferenceKey::displayDuration, -1.0);
    controller.handle(press(0, "a"));
    controller.handle(KeyUp{0});
    scheduler.advance(0ms);
    EXPECT_EQ(shown(), 0u) << "a negative duration hides at once";

    defaults.set(PreferenceKey::displayDuration, "nan"); // the store's conversion reads it as NaN
    controller.handle(press(0, "a"));
    controller.handle(KeyUp{0});
    scheduler.advance(1499ms);
    EXPECT_EQ(shown(), 1u) << "not a number is the default 1.5 s";
    scheduler.advance(1ms);
    EXPECT_EQ(shown(), 0u);
}

TEST(OverlayControllerLifetime, ATimerOutlivingTheControllerDoesNothing)
{
    test::ManualScheduler scheduler;
    test::MemoryDefaultsStore defaults;
    test::FakeScreenService screens;
    test::FakeOverlayPanelFactory panels;
    {
        OverlayController controller{{scheduler, defaults, screens, panels}};
        controller.handle(CapsLockToggled{true});
        EXPECT_EQ(scheduler.pendingCount(), 2u); // the caps-lock release and the hide
    }
    EXPECT_EQ(scheduler.pendingCount(), 0u);
}

// Long random streams of everything the controller can be told, with its invariants
// checked after every step.
TEST_F(OverlayControllerTest, InvariantsHoldOverRandomEventStreams)
{
    test::OverlayEventScript script(controller, scheduler, defaults);
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };
        controller.hide();
        for (int step = 0; step < 2000; ++step) {
            script.step(pick);
            const auto broken = script.brokenInvariant();
            ASSERT_FALSE(broken) << *broken << " (seed " << seed << ", step " << step << ")";
        }
        const auto broken = script.releaseEverythingAndWait();
        ASSERT_FALSE(broken) << *broken << " (seed " << seed << ")";
    }
}

} // namespace
} // namespace kestrel
