#include "overlay/FramePacer.h"

#include "support/ManualScheduler.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kestrel {
namespace {

using namespace std::chrono_literals;

TEST(FramePacer, ABurstOfRequestsIsOneFrameAndTheNextWaitsForTheRefresh)
{
    test::ManualScheduler scheduler;
    int frames = 0;
    std::unique_ptr<FramePacer> pacer;
    pacer = std::make_unique<FramePacer>(scheduler, FramePacer::FramedInput{}, [&] {
        ++frames;
        pacer->presented();
    });
    pacer->request();
    pacer->request();
    pacer->request();
    EXPECT_EQ(scheduler.pendingCount(), 1u);
    scheduler.advance(0ms);
    EXPECT_EQ(frames, 1) << "the first frame goes out at once";
    EXPECT_FALSE(pacer->isScheduled()) << "at rest nothing is scheduled";

    pacer->request();
    scheduler.advance(16ms);
    EXPECT_EQ(frames, 1) << "no sooner than a refresh after the last frame";
    scheduler.advance(1ms);
    EXPECT_EQ(frames, 2);

    // A frame asked for sooner replaces one due later; one due later waits for it.
    pacer->scheduleIn(0.5);
    pacer->scheduleIn(0.1);
    pacer->scheduleIn(0.3);
    EXPECT_EQ(scheduler.pendingCount(), 1u);
    scheduler.advance(100ms);
    EXPECT_EQ(frames, 3);
    EXPECT_EQ(scheduler.pendingCount(), 0u);
}

TEST(FramePacer, ARefreshRateNoDisplayHasCountsAsSixtyHertz)
{
    test::ManualScheduler scheduler;
    FramePacer pacer(scheduler, {}, [] {});
    pacer.setInterval(1.0 / 144);
    EXPECT_DOUBLE_EQ(pacer.interval(), 1.0 / 144);
    for (const double misreported : {0.0, 1.0 / 1000, 1.0, -1.0 / 60}) {
        pacer.setInterval(misreported);
        EXPECT_DOUBLE_EQ(pacer.interval(), 1.0 / 60) << misreported;
    }
    scheduler.advance(2s);
    EXPECT_DOUBLE_EQ(pacer.frameTime(), 2 + 1.0 / 60) << "a frame composed now shows a refresh later";
}

TEST(FramePacer, InputWaitsOnlyWhileAFrameIsNearAndIsLetGoAtRestOrWhenThePacerGoes)
{
    test::ManualScheduler scheduler;
    std::vector<bool> waits;
    int taken = 0;
    const FramePacer::FramedInput input{.waitForFrames = [&](bool wait) { waits.push_back(wait); },
                                        .takeInput = [&] { ++taken; }};
    {
        FramePacer pacer(scheduler, input, [] {});
        pacer.scheduleIn(0.5);
        EXPECT_TRUE(waits.empty()) << "a frame half a second off: keys wake Kestrel at once";
        pacer.scheduleIn(0);
        EXPECT_EQ(waits, std::vector<bool>{true});
        scheduler.advance(0ms);
        EXPECT_EQ(taken, 1) << "what waited is taken just before the frame";
        EXPECT_EQ(waits, (std::vector<bool>{true, false})) << "at rest, keys wake Kestrel again";

        pacer.scheduleIn(0);
        EXPECT_EQ(waits.back(), true);
    }
    EXPECT_EQ(waits.back(), false) << "a pacer that goes lets the input go";
    EXPECT_EQ(scheduler.pendingCount(), 0u) << "and its frame with it";
}

} // namespace
} // namespace kestrel
