// Kestrel as a user meets it: the real program on a private X server, typed at through
// XTest, judged by what reaches the screen.

#include "integration/KestrelAppFixture.h"
#include "overlay/KeycapColors.h"

namespace kestrel::test {
namespace {

TEST_F(KestrelAppTest, ControlCShowsTwoKeycapsCentredAboveTheBottomThenNothing)
{
    start();
    input.key(leftControl, true);
    input.key(c, true);
    const Screenshot shot = settledScreenshot();
    ASSERT_EQ(shot.blobs.size(), 2u) << "⌃ and C";
    EXPECT_NEAR(shot.changed.center().x(), screenWidth / 2.0, 3) << "centred";
    const int bottomGap = screenHeight - 1 - shot.changed.bottom();
    EXPECT_GE(bottomGap, 80);
    EXPECT_LE(bottomGap, 100) << "about 80 points above the bottom edge";
    EXPECT_NEAR(shot.blobs[0].width(), shot.blobs[1].width(), 2) << "two key-sized caps";

    input.key(c, false);
    input.key(leftControl, false);
    const auto released = std::chrono::steady_clock::now();
    // Looked at all the while: still shown 1.2 s after the release, within the display
    // duration.
    const auto lookFor =
        1200ms - std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - released);
    EXPECT_FALSE(test::runEventLoopUntil([&] { return screenshot().changed.isNull(); }, lookFor, 20ms))
        << "still shown within the display duration";
    // Then gone: after the 1.5 s display duration and the 0.3 s fade.
    EXPECT_TRUE(test::runEventLoopUntil([&] { return screenshot().changed.isNull(); }, 5s))
        << "nothing is left on screen";
    EXPECT_GE(std::chrono::steady_clock::now() - released, 1500ms);
    // This session has no bus: keys are shown as they always were, and Kestrel said why once.
    EXPECT_EQ(saidTimes("password fields cannot be detected"), 1) << errors;
}

TEST_F(KestrelAppTest, ClicksPassThroughAndFocusStaysWhereItWas)
{
    // An application window under where the keycaps appear, holding the focus.
    const xcb_window_t window = xcb_generate_id(connection);
    const std::uint32_t values[] = {0x202020, 1, XCB_EVENT_MASK_BUTTON_PRESS};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, root, 0, screenHeight - 400, screenWidth, 400, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT,
                      XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    xcb_map_window(connection, window);
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    ASSERT_TRUE(test::runEventLoopUntil([&] { return isViewable(window); }));
    takeBaseline();

    start();
    input.key(leftControl, true);
    input.key(c, true);
    const Screenshot shot = settledScreenshot();
    ASSERT_FALSE(shot.changed.isNull()) << "keycaps over the window";
    input.moveTo(shot.changed.center().x(), shot.changed.center().y());
    input.click(1);
    bool clicked = false;
    test::runEventLoopUntil([&] {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            clicked = clicked || (event->response_type & 0x7f) == XCB_BUTTON_PRESS;
            std::free(event);
        }
        return clicked;
    });
    EXPECT_TRUE(clicked) << "the click reached the window below";
    const XcbPointer<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    ASSERT_TRUE(focus);
    EXPECT_EQ(focus->focus, window) << "the focus stayed";
    input.key(c, false);
    input.key(leftControl, false);
}

TEST_F(KestrelAppTest, TopRightFromThePreferencesFileAndTheHotKeySwitchesItOffAndOn)
{
    writePreferences(R"({"overlayPosition": "topRight"})");
    start();
    input.tap(a);
    Screenshot shot = settledScreenshot();
    ASSERT_FALSE(shot.changed.isNull());
    EXPECT_GT(shot.changed.left(), screenWidth / 2);
    EXPECT_LT(shot.changed.bottom(), screenHeight / 2);

    ASSERT_TRUE(switchOff([&] { pressHotKey(); })) << "the overlay goes at once";
    input.tap(a);
    EXPECT_TRUE(nothingShows());

    pressHotKey(); // on again
    EXPECT_TRUE(tapUntilShown(a));
}

TEST_F(KestrelAppTest, CapsLockAlreadyOnAtStartIsShownTurningOffThenOn)
{
    constexpr std::uint32_t capsLock = 58;
    input.tap(capsLock); // on before Kestrel starts
    start();
    // The pixels of the caps-lock light, lit, on the keycap shown.
    const auto litPixels = [&] {
        const Screenshot shot = settledScreenshot();
        const Rgb lit = KeycapColors::lightColor(KeyColor::dark);
        const auto near = [](std::uint32_t pixel, int shift, double channel) {
            return std::abs(static_cast<int>((pixel >> shift) & 0xff) - static_cast<int>(channel * 255)) <= 24;
        };
        int count = 0;
        for (int y = shot.changed.top(); y <= shot.changed.bottom(); ++y) {
            for (int x = shot.changed.left(); x <= shot.changed.right(); ++x) {
                const std::uint32_t pixel = shot.pixels[static_cast<std::size_t>(y * screenWidth + x)];
                count += near(pixel, 16, lit.red) && near(pixel, 8, lit.green) && near(pixel, 0, lit.blue);
            }
        }
        return count;
    };
    ASSERT_TRUE(awaitClear());
    input.tap(capsLock); // off
    EXPECT_EQ(litPixels(), 0) << "the first press turns Caps Lock off";
    ASSERT_TRUE(awaitClear());
    input.tap(capsLock); // on again
    EXPECT_GT(litPixels(), 20) << "and the next on";
}

} // namespace
} // namespace kestrel::test
