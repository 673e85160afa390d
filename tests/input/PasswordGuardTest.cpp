#include "input/PasswordGuard.h"

#include "input/EventRecords.h"
#include "input/EventTap.h"
#include "support/FakeEventTapService.h"
#include "support/FakePasswordFocus.h"
#include "support/ManualScheduler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrel {
namespace {

using namespace std::chrono_literals;

constexpr std::int64_t keyA = 0;
constexpr std::int64_t keyB = 11;
constexpr std::int64_t keyC = 8;
constexpr std::int64_t leftArrow = 123;

PlatformEvent key(std::uint32_t type, std::int64_t code, std::uint64_t flags = 0)
{
    return PlatformEvent{.type = type, .flags = flags, .keyCode = code};
}

class PasswordGuardTest : public ::testing::Test {
protected:
    PasswordGuardTest()
    {
        // What the keystroke monitor would install: keys only, no clicks.
        tap = guard.createTap(
            EventTap::maskFor({EventType::keyDown, EventType::keyUp, EventType::flagsChanged}),
            [this](std::uint32_t type, const PlatformEvent& event) { seen.push_back(describe(type, event)); });
        guard.enable(*tap, true);
    }

    static std::string describe(std::uint32_t type, const PlatformEvent& event)
    {
        const std::string name = type == EventType::keyDown ? "down " : type == EventType::keyUp ? "up " : "flags ";
        return name + std::to_string(event.keyCode);
    }

    void type(std::int64_t code, std::uint64_t flags = 0)
    {
        source.deliver(key(EventType::keyDown, code, flags));
        source.deliver(key(EventType::keyUp, code, flags));
    }
    void click() { source.deliver(PlatformEvent{.type = EventType::leftMouseDown}); }

    test::FakeEventTapService source;
    test::FakePasswordFocus focus;
    test::ManualScheduler scheduler;
    PasswordGuard guard{source, focus, scheduler};
    std::optional<EventTapService::TapId> tap;
    std::vector<std::string> seen;
};

using Seen = std::vector<std::string>;

TEST_F(PasswordGuardTest, InAPasswordFieldOnlyPrintableKeyDownsAreDroppedAndElsewhereNothingWaits)
{
    focus.focused(false);
    type(keyA);
    EXPECT_EQ(seen, (Seen{"down 0", "up 0"})) << "a normal field: at once";

    seen.clear();
    focus.focused(true);
    type(keyA);
    type(keyB, EventFlag::shift);
    type(KeyCode::space);
    type(keyC, EventFlag::control); // a shortcut
    type(leftArrow);
    type(KeyCode::deleteKey);
    EXPECT_EQ(seen, (Seen{"up 0", "up 11", "up 49", "down 8", "up 8", "down 123", "up 123", "down 51", "up 51"}));
    EXPECT_FALSE(guard.isHolding());

    // Focus gone somewhere Kestrel cannot see (a terminal): shown again.
    scheduler.advance(PasswordGuard::holdLimit); // past the moment Ctrl C opened
    seen.clear();
    focus.unfocused();
    type(keyA);
    EXPECT_EQ(seen, (Seen{"down 0", "up 0"}));

    // No accessibility service: as if there were no guard, even after a password report.
    seen.clear();
    focus.focused(true);
    focus.availability = PasswordFocusService::Availability::unavailable;
    click();
    type(keyA);
    EXPECT_EQ(seen, (Seen{"down 0", "up 0"}));
    EXPECT_EQ(scheduler.pendingCount(), 0u);
}

TEST_F(PasswordGuardTest, AKeyRightAfterAClickWaitsForTheFocusReportWithEverythingBehindIt)
{
    focus.focused(false);
    click();
    source.deliver(key(EventType::keyDown, keyA));
    source.deliver(key(EventType::flagsChanged, 56, EventFlag::shift));
    source.deliver(key(EventType::keyUp, keyA));
    EXPECT_TRUE(seen.empty()) << "held, and the rest in line behind it";
    focus.focused(true); // the click went into a password field
    EXPECT_EQ(seen, (Seen{"flags 56", "up 0"}));
    EXPECT_EQ(scheduler.pendingCount(), 0u) << "its deadline is gone with it";

    // The report came first this time: nothing waits.
    seen.clear();
    click();
    focus.focused(false);
    type(keyB);
    EXPECT_EQ(seen, (Seen{"down 11", "up 11"}));

    // A repeat of the report from before the click (toolkits send two) is no news.
    seen.clear();
    focus.focused(false, 7);
    click();
    type(keyA);
    focus.focused(false, 7);
    EXPECT_TRUE(seen.empty());
    focus.focused(true, 8);
    EXPECT_EQ(seen, (Seen{"up 0"})) << "it went into the password field after all";

    // Clicked into a normal field: shown as soon as the report says so.
    seen.clear();
    focus.focused(true);
    click();
    type(keyA);
    EXPECT_TRUE(seen.empty());
    scheduler.advance(3ms);
    focus.focused(false);
    EXPECT_TRUE(seen.empty()) << "in case another report follows at once";
    scheduler.advance(PasswordGuard::settleTime);
    EXPECT_EQ(seen, (Seen{"down 0", "up 0"}));

    // Reports come late, and in a burst, when the applications are busy: a report of an
    // earlier move just before the one of the click decides nothing.
    seen.clear();
    click();
    type(keyB);
    focus.focused(false, 9); // the normal field, focused before the click
    scheduler.advance(10ms);
    focus.focused(true, 10); // where the click went
    scheduler.advance(PasswordGuard::settleTime);
    EXPECT_EQ(seen, (Seen{"up 11"}));
}

TEST_F(PasswordGuardTest, WithoutAReportEachHeldKeyWaitsForItsOwnDeadlineAndTextInsertedReleasesEarly)
{
    focus.focused(false);
    click(); // on the field that has the focus already: no report will come
    scheduler.advance(10ms);
    type(keyA);
    scheduler.advance(100ms);
    type(keyB);
    scheduler.advance(PasswordGuard::holdLimit - 100ms - 1ms);
    EXPECT_TRUE(seen.empty());
    scheduler.advance(1ms);
    EXPECT_EQ(seen, (Seen{"down 0", "up 0"})) << "a's deadline; b keeps its own";
    scheduler.advance(100ms);
    EXPECT_EQ(seen, (Seen{"down 0", "up 0", "down 11", "up 11"}));

    // Long after the click, typing is not held at all.
    seen.clear();
    type(keyC);
    EXPECT_EQ(seen, (Seen{"down 8", "up 8"}));

    // Text arriving in the focused normal field releases a held key early.
    seen.clear();
    click();
    type(keyA);
    focus.textInserted(false);
    scheduler.advance(PasswordGuard::settleTime);
    EXPECT_EQ(seen, (Seen{"down 0", "up 0"}));
    // Text arriving in a password field drops it.
    seen.clear();
    click();
    type(keyB);
    focus.textInserted(true);
    EXPECT_EQ(seen, (Seen{"up 11"}));
}

TEST_F(PasswordGuardTest, FocusThatLeftAndHasNotLandedKeepsKeysLongerAndAProgramWithoutAccessibilityGetsThemLate)
{
    focus.focused(false);
    click();
    type(keyA);
    focus.unfocused(); // the old field let go; where it went is still to be reported
    scheduler.advance(PasswordGuard::holdLimit + 100ms);
    EXPECT_TRUE(seen.empty());
    focus.focused(true);
    EXPECT_EQ(seen, (Seen{"up 0"}));

    // A terminal, say: no report ever comes, and the key shows late.
    seen.clear();
    focus.focused(false);
    click();
    type(keyB);
    focus.unfocused();
    scheduler.advance(PasswordGuard::transitionLimit - 1ms);
    EXPECT_TRUE(seen.empty());
    scheduler.advance(1ms);
    EXPECT_EQ(seen, (Seen{"down 11", "up 11"}));
}

TEST_F(PasswordGuardTest, WhileTheNewlyFocusedControlIsStillBeingAskedAboutKeysWaitForTheAnswer)
{
    // A page moved the focus on its own, and the browser is slow to say where to.
    focus.focused(false);
    focus.moving();
    type(keyA);
    scheduler.advance(PasswordGuard::holdLimit + 200ms);
    EXPECT_TRUE(seen.empty());
    focus.focused(true);
    EXPECT_EQ(seen, (Seen{"up 0"}));

    // After a click: a key typed after the click's own moment, while the answer is awaited,
    // waits as well; and both come out once it says a normal field.
    seen.clear();
    click();
    type(keyA);
    focus.moving();
    scheduler.advance(PasswordGuard::holdLimit + 50ms);
    type(keyB);
    EXPECT_TRUE(seen.empty());
    focus.focused(false);
    scheduler.advance(PasswordGuard::settleTime);
    EXPECT_EQ(seen, (Seen{"down 0", "up 0", "down 11", "up 11"}));

    // No answer in time: it may have been a password field, and the key is not shown.
    seen.clear();
    focus.moving();
    type(keyC);
    scheduler.advance(PasswordGuard::transitionLimit - 1ms);
    EXPECT_TRUE(seen.empty());
    scheduler.advance(1ms);
    EXPECT_EQ(seen, (Seen{"up 8"}));
    // Once the answer comes, typing shows at once again.
    seen.clear();
    focus.focused(false);
    type(keyA);
    EXPECT_EQ(seen, (Seen{"down 0", "up 0"}));
}

TEST_F(PasswordGuardTest, AWindowBroughtToTheFrontNamesItsOldFocusFirstAndTheClickDecides)
{
    // The window was left (another came to the front) while its password field had the focus.
    focus.moving();
    focus.focused(true, 1);
    focus.unfocused();
    // A click on its normal field and a key at once: coming to the front, the window first
    // names its password field again, and its normal field a moment later.
    click();
    type(keyA);
    focus.moving();
    focus.focused(true, 1);
    scheduler.advance(1ms);
    type(keyB); // typed after that first news, into the normal field all the same
    // The news of the click is slow to follow on a busy desktop.
    scheduler.advance(PasswordGuard::windowReturnTime - 2ms);
    EXPECT_TRUE(seen.empty());
    focus.unfocused();
    focus.moving();
    focus.focused(false, 2);
    EXPECT_TRUE(seen.empty());
    scheduler.advance(PasswordGuard::settleTime);
    EXPECT_EQ(seen, (Seen{"down 0", "up 0", "down 11", "up 11"}));

    // A click on the password field itself: nothing follows its news (said twice), and the
    // key is not shown, then or later.
    seen.clear();
    focus.unfocused(); // another window came to the front again
    click();
    type(keyA);
    focus.moving();
    focus.focused(true, 1);
    focus.focused(true, 1);
    scheduler.advance(PasswordGuard::windowReturnTime);
    EXPECT_EQ(seen, (Seen{"up 0"}));
    scheduler.advance(PasswordGuard::transitionLimit);
    EXPECT_EQ(seen, (Seen{"up 0"}));
    EXPECT_FALSE(guard.isHolding());
}

TEST_F(PasswordGuardTest, TabAndShortcutsOpenTheMomentAsAClickDoes)
{
    focus.focused(false);
    type(KeyCode::tab);
    type(keyA);
    EXPECT_EQ(seen, (Seen{"down 48", "up 48"})) << "the Tab itself shows at once";
    focus.focused(true);
    EXPECT_EQ(seen, (Seen{"down 48", "up 48", "up 0"}));

    // Shift-Tab back to the normal field.
    seen.clear();
    type(KeyCode::tab, EventFlag::shift);
    type(keyB);
    focus.focused(false);
    scheduler.advance(PasswordGuard::settleTime);
    EXPECT_EQ(seen, (Seen{"down 48", "up 48", "down 11", "up 11"}));

    // A window switcher's shortcut, and Return or Escape closing a dialog.
    for (const auto& [code, flags] :
         {std::pair{keyC, EventFlag::option}, std::pair{KeyCode::returnKey, std::uint64_t{0}},
          std::pair{KeyCode::escape, std::uint64_t{0}}}) {
        seen.clear();
        type(code, flags);
        type(keyA);
        ASSERT_EQ(seen.size(), 2u) << code;
        focus.focused(false);
        scheduler.advance(PasswordGuard::settleTime);
        EXPECT_EQ(seen.size(), 4u) << code;
    }
}

TEST_F(PasswordGuardTest, AKeyTheSourceStillHoldsIsJudgedByTheFocusItWasTypedIn)
{
    // The last character of a password, then Tab: the source lets both wait for the
    // overlay's next frame, and the news that the focus has left the field comes first.
    focus.focused(true);
    source.hold(key(EventType::keyDown, keyA));
    source.hold(key(EventType::keyUp, keyA));
    source.hold(key(EventType::keyDown, KeyCode::tab));
    focus.focused(false);
    EXPECT_EQ(seen, (Seen{"up 0", "down 48"})) << "the character stays off the screen";
}

TEST_F(PasswordGuardTest, TheSourceTapSeesClicksForEveryMonitorAndGoesWithTheLast)
{
    ASSERT_EQ(source.taps().size(), 1u);
    const auto& [id, sourceTap] = *source.taps().begin();
    EXPECT_NE(sourceTap.mask & (std::uint64_t{1} << EventType::leftMouseDown), 0u);
    EXPECT_TRUE(sourceTap.enabled);
    guard.enable(*tap, false);
    EXPECT_FALSE(source.taps().begin()->second.enabled);

    // Removed while holding: the held key is dropped with the tap, and no timer is left.
    guard.enable(*tap, true);
    focus.focused(false);
    click();
    type(keyA);
    guard.remove(*tap);
    EXPECT_TRUE(source.taps().empty());
    EXPECT_FALSE(guard.isHolding());
    EXPECT_EQ(scheduler.pendingCount(), 0u);
    EXPECT_TRUE(seen.empty());
}

} // namespace
} // namespace kestrel
