// A first launch as a new user meets it: the welcome window on a private X server, walked
// through with Return typed through XTest, then the keys on screen, and no welcome again.

#include "integration/KestrelAppFixture.h"

namespace kestrel::test {
namespace {

TEST_F(KestrelAppTest, AFirstLaunchWelcomesReturnWalksThroughAndTheNextLaunchDoesNot)
{
    onboarded = false;
    ASSERT_NO_FATAL_FAILURE(launch());
    const auto welcome = awaitTopLevel(welcomeTitle);
    ASSERT_TRUE(welcome) << "no welcome window on a first launch";
    // The welcome picture (a blue to purple room) fills the top of the window, once drawn.
    const auto pictureOf = [](const QRect& frame) { return QRect(frame.left() + 20, frame.top() + 40, 440, 260); };
    QRect frame;
    EXPECT_TRUE(runEventLoopUntil(
        [&] {
            frame = frameOf(*welcome);
            return find(rgb(0x3b, 0x4f, 0x8f), pictureOf(frame).adjusted(10, 10, -10, -10), 16).has_value();
        },
        5s))
        << "the welcome picture";
    stillPixels();
    frame = frameOf(*welcome);
    EXPECT_EQ(frame.width(), 480);
    EXPECT_NEAR(frame.center().x(), screenWidth / 2, 2) << "centred";
    EXPECT_NEAR(frame.center().y(), screenHeight / 2, 2);
    const QRect picture = pictureOf(frame);

    // The welcome page, then the hot key on the sample desktop of the previews.
    input.tap(returnKey);
    EXPECT_TRUE(runEventLoopUntil([&] { return find(rgb(0x5b, 0x7f, 0xa8), picture, 10).has_value(); }, 5s))
        << "the last page's preview";
    input.tap(returnKey); // "Get Started"
    EXPECT_FALSE(awaitTopLevel(welcomeTitle, false)) << "the window goes";
    ASSERT_NO_FATAL_FAILURE(awaitListening());
    {
        std::ifstream preferences(preferencesPath());
        const std::string saved((std::istreambuf_iterator<char>(preferences)), std::istreambuf_iterator<char>());
        EXPECT_NE(saved.find(R"("hasCompletedOnboarding": true)"), std::string::npos) << saved;
    }

    stop();
    ASSERT_NO_FATAL_FAILURE(launch());
    ASSERT_NO_FATAL_FAILURE(awaitListening());
    EXPECT_FALSE(topLevel(welcomeTitle)) << "welcomed once only";
}

TEST_F(KestrelAppTest, ASessionEndedDuringTheWelcomeWelcomesAgainNextTime)
{
    onboarded = false;
    ASSERT_NO_FATAL_FAILURE(launch());
    ASSERT_TRUE(awaitTopLevel(welcomeTitle)) << "no welcome window on a first launch";
    // The session ends (logging out sends SIGTERM): the user never closed the welcome.
    stop();
    ASSERT_EQ(kestrel.exitCode(), 0);
    ASSERT_NO_FATAL_FAILURE(launch());
    EXPECT_TRUE(awaitTopLevel(welcomeTitle)) << "the welcome was taken as done";
}

} // namespace
} // namespace kestrel::test
