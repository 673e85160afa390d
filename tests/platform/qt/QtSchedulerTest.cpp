#include "platform/qt/QtScheduler.h"

#include "support/EventLoop.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrel {
namespace {

using namespace std::chrono_literals;

TEST(QtScheduler, TasksRunOnceInTheOrderTheyFallDueAndCancelledOnesNever)
{
    QtScheduler scheduler;
    std::string ran;
    scheduler.schedule(30ms, [&] { ran += 'c'; });
    scheduler.schedule(0ms, [&] { ran += 'a'; });
    const auto cancelled = scheduler.schedule(10ms, [&] { ran += 'x'; });
    scheduler.schedule(-5ms, [&] { ran += 'b'; }); // overdue counts as due now
    scheduler.cancel(cancelled);
    scheduler.cancel(cancelled); // twice, or after it ran: nothing
    // Once the last has run, whatever was due before it has too.
    ASSERT_TRUE(test::runEventLoopUntil([&] { return ran.ends_with('c'); }, 2s)) << ran;
    EXPECT_EQ(ran, "abc");
}

TEST(QtScheduler, ATaskMayScheduleAndCancelOthersAndCancelItselfWithoutHarm)
{
    QtScheduler scheduler;
    std::string ran;
    Scheduler::Handle self = 0;
    Scheduler::Handle later = scheduler.schedule(20ms, [&] { ran += 'x'; });
    scheduler.schedule(40ms, [&] { ran += '.'; }); // after all the others
    self = scheduler.schedule(0ms, [&] {
        ran += 'a';
        scheduler.cancel(self);
        scheduler.cancel(later);
        scheduler.schedule(0ms, [&] { ran += 'b'; });
    });
    ASSERT_TRUE(test::runEventLoopUntil([&] { return ran.ends_with('.'); }, 2s)) << ran;
    EXPECT_EQ(ran, "ab.");
}

TEST(QtScheduler, ItsClockGoesOnAndATaskRunsNoEarlierThanItsDelay)
{
    QtScheduler scheduler;
    const auto scheduled = scheduler.now();
    std::optional<std::chrono::milliseconds> ranAt;
    scheduler.schedule(30ms, [&] { ranAt = scheduler.now(); });
    ASSERT_TRUE(test::runEventLoopUntil([&] { return ranAt.has_value(); }, 2s));
    EXPECT_GE(*ranAt - scheduled, 30ms);
    EXPECT_GE(scheduler.now(), *ranAt) << "the clock never goes back";
}

} // namespace
} // namespace kestrel
