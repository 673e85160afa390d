#include "app/OnboardingFlow.h"

#include "settings/Preferences.h"
#include "support/ShellDoubles.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

using namespace std::chrono_literals;

class OnboardingFlowTest : public ::testing::Test {
protected:
    std::unique_ptr<OnboardingFlow> make()
    {
        return std::make_unique<OnboardingFlow>(
            OnboardingFlow::Services{shell.defaults, shell.permission, shell.scheduler, shell.visualizer},
            OnboardingFlow::Callbacks{.close = [this] { ++closed; }, .relaunch = [this] { ++relaunched; }});
    }

    // The flow's own timers: the update service of the doubles waits on one of its own.
    std::size_t polls() const { return shell.scheduler.pendingCount() - otherTimers; }

    test::ShellDoubles shell;
    const std::size_t otherTimers = shell.scheduler.pendingCount();
    int closed = 0;
    int relaunched = 0;
};

TEST_F(OnboardingFlowTest, OnlyAStoredBooleanTrueSkipsIt)
{
    EXPECT_TRUE(OnboardingFlow::shouldShow(shell.defaults));
    shell.defaults.set(PreferenceKey::hasCompletedOnboarding, std::string("yes"));
    EXPECT_TRUE(OnboardingFlow::shouldShow(shell.defaults)) << "a value of another type counts as not done";
    shell.defaults.set(PreferenceKey::hasCompletedOnboarding, true);
    EXPECT_FALSE(OnboardingFlow::shouldShow(shell.defaults));
}

TEST_F(OnboardingFlowTest, WithAccessThereAreTwoStepsAndGetStartedStartsAndCompletes)
{
    shell.defaults.set(PreferenceKey::showKeystrokes, false);
    shell.visualizer.stop();
    const auto flow = make();
    EXPECT_EQ(flow->steps(), (std::vector{OnboardingStep::welcome, OnboardingStep::finish}));
    EXPECT_EQ(flow->index.get(), 0);
    EXPECT_FALSE(flow->canGoBack());
    flow->primaryAction();
    EXPECT_EQ(flow->step(), OnboardingStep::finish);
    EXPECT_TRUE(flow->canGoBack());
    flow->primaryAction(); // "Get Started"
    EXPECT_TRUE(shell.visualizer.isRunning);
    EXPECT_TRUE(Preferences::showKeystrokes(shell.defaults));
    EXPECT_TRUE(Preferences::hasCompletedOnboarding(shell.defaults));
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(polls(), 0u) << "no poll ever ran";
}

TEST_F(OnboardingFlowTest, WhileAccessIsMissingItPollsEverySecondAndThePermissionPageMovesOnByItself)
{
    shell.permission.granted = false;
    const auto flow = make();
    ASSERT_EQ(flow->steps().size(), 3u);
    EXPECT_EQ(polls(), 1u) << "one poll waiting from the start";
    EXPECT_EQ(flow->primaryTitle().english(), "Continue");
    flow->primaryAction();
    ASSERT_EQ(flow->step(), OnboardingStep::permission);
    EXPECT_EQ(flow->stepDescription().english(), "Step 2 of 3");
    EXPECT_EQ(flow->primaryTitle().english(), "Open System Settings…");
    flow->primaryAction(); // the first request only prompts
    EXPECT_EQ(shell.permission.requests, 1);
    EXPECT_EQ(shell.permission.settingsOpened, 0);
    flow->primaryAction();
    EXPECT_EQ(shell.permission.settingsOpened, 1) << "the second also shows how to grant it";

    shell.scheduler.advance(3s);
    EXPECT_EQ(flow->step(), OnboardingStep::permission);
    flow->back();
    flow->primaryAction();
    EXPECT_EQ(polls(), 1u) << "moving between pages adds no second poll";

    shell.permission.granted = true; // granted in the system's settings
    shell.scheduler.advance(1s);
    EXPECT_TRUE(flow->isGranted);
    EXPECT_EQ(flow->step(), OnboardingStep::finish);
    EXPECT_EQ(flow->primaryTitle().english(), "Get Started");
    EXPECT_TRUE(shell.visualizer.isRunning);
    EXPECT_EQ(relaunched, 0);
    EXPECT_EQ(polls(), 0u) << "no timer once access is there";
}

TEST_F(OnboardingFlowTest, WhereTheSystemAsksEveryAllowAsksAgainAndNeverSendsToTheHelpPage)
{
    shell.permission.granted = false;
    shell.permission.asks = true;
    const auto flow = make();
    flow->primaryAction();
    ASSERT_EQ(flow->step(), OnboardingStep::permission);
    EXPECT_EQ(flow->primaryTitle().english(), "Allow…");
    EXPECT_EQ(onboardingPageText(OnboardingStep::permission, "Kestrel", true).body.english().find("restart"),
              std::string::npos)
        << "nothing restarts after the dialog";
    flow->primaryAction();
    flow->primaryAction(); // cancelled, asked again
    EXPECT_EQ(shell.permission.requests, 2);
    EXPECT_EQ(shell.permission.settingsOpened, 0) << "the input group is the other button's";

    // The dialog's answer: the reader runs, and the next poll moves on with keys shown.
    shell.permission.granted = true;
    shell.permission.accessRequest = AccessRequest::allowed;
    shell.scheduler.advance(1s);
    EXPECT_EQ(flow->step(), OnboardingStep::finish);
    EXPECT_TRUE(shell.visualizer.isRunning);
    EXPECT_EQ(relaunched, 0);
}

TEST_F(OnboardingFlowTest, AGrantSeenOnTheWelcomePageLeavesThePageAndTurnsThePermissionPageIntoContinue)
{
    shell.visualizer.stop();
    shell.permission.granted = false;
    const auto flow = make();
    shell.permission.granted = true;
    shell.scheduler.advance(1s);
    EXPECT_TRUE(flow->isGranted);
    EXPECT_TRUE(shell.visualizer.isRunning) << "the grant starts showing keys";
    EXPECT_EQ(flow->step(), OnboardingStep::welcome);
    flow->primaryAction();
    ASSERT_EQ(flow->step(), OnboardingStep::permission);
    EXPECT_EQ(flow->primaryTitle().english(), "Continue");
    flow->primaryAction();
    EXPECT_EQ(flow->step(), OnboardingStep::finish);
    EXPECT_EQ(shell.permission.requests, 0);
}

TEST_F(OnboardingFlowTest, AGrantThatDoesNotTakeRelaunchesAndAReturnStartsAtTheEnd)
{
    shell.visualizer.stop(); // a first start without access
    shell.permission.granted = false;
    const auto flow = make();
    flow->primaryAction();
    shell.taps.refusedTypes = test::FakeEventTapService::everything; // granted, but the taps still fail
    shell.permission.granted = true;
    shell.scheduler.advance(1s);
    EXPECT_EQ(relaunched, 1);

    // The relaunched Kestrel: asked before and granted now, so it opens on the last page.
    shell.defaults.set(PreferenceKey::hasRequestedInputMonitoring, true);
    const auto again = make();
    EXPECT_EQ(again->steps().size(), 2u);
    EXPECT_EQ(again->step(), OnboardingStep::finish);
}

TEST_F(OnboardingFlowTest, ClosingCountsAsDoneButStartsNothing)
{
    shell.visualizer.stop();
    shell.defaults.set(PreferenceKey::showKeystrokes, false);
    shell.permission.granted = false;
    const auto flow = make();
    flow->primaryAction();
    flow->closedByUser();
    EXPECT_TRUE(Preferences::hasCompletedOnboarding(shell.defaults));
    EXPECT_FALSE(Preferences::showKeystrokes(shell.defaults));
    EXPECT_EQ(polls(), 0u);
}

} // namespace
} // namespace kestrel
