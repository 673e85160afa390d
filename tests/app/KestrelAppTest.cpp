// Kestrel as a user meets it: the real program on a private X server, typed at through
// XTest, judged by what reaches the screen.

#include "platform/x11/XcbHeaders.h"
#include "support/EventLoop.h"
#include "support/x11/XTestDriver.h"
#include "support/x11/XvfbServer.h"

#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

namespace kestrel {
namespace {

using namespace std::chrono_literals;
using x11::XcbPointer;

constexpr std::uint32_t background = 0x4a78b0; // a mid blue, so dark keycaps stand out
constexpr int screenWidth = 1920;
constexpr int screenHeight = 1080;

enum Evdev : std::uint32_t { a = 30, c = 46, returnKey = 28, leftControl = 29, leftAlt = 56, leftSuper = 125 };

// What is on screen: the root window's pixels, and where they differ from how the screen
// looked before Kestrel drew anything.
struct Screenshot {
    std::vector<std::uint32_t> pixels;
    QRect changed;            // bounding box of everything not background
    std::vector<QRect> blobs; // runs of changed columns, left to right, with their rows
};

class KestrelAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.isRunning()) << server.error();
        connection = xcb_connect(server.display().c_str(), nullptr);
        ASSERT_EQ(xcb_connection_has_error(connection), 0);
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        xcb_change_window_attributes(connection, root, XCB_CW_BACK_PIXEL, &background);
        xcb_clear_area(connection, 0, root, 0, 0, 0, 0);
        takeBaseline();
    }

    // The screen without Kestrel, to compare against.
    void takeBaseline()
    {
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
        baseline = grab();
    }

    std::vector<std::uint32_t> grab()
    {
        const XcbPointer<xcb_get_image_reply_t> image(xcb_get_image_reply(
            connection,
            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, 0, 0, screenWidth, screenHeight, ~0u), nullptr));
        if (!image)
            return {};
        const auto* data = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image.get()));
        return {data, data + screenWidth * screenHeight};
    }

    void TearDown() override
    {
        if (kestrel.state() != QProcess::NotRunning) {
            kestrel.terminate();
            kestrel.waitForFinished(3000);
        }
        xcb_disconnect(connection);
    }

    void writePreferences(const std::string& json)
    {
        std::filesystem::create_directories(config.path().toStdString() + "/kestrel");
        std::ofstream(config.path().toStdString() + "/kestrel/preferences.json") << json;
    }

    // Starts Kestrel and waits until it shows a key, then until the screen is clear again.
    void start()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", QString::fromStdString(server.display()));
        environment.insert("XDG_CONFIG_HOME", config.path());
        environment.insert("XDG_RUNTIME_DIR", config.path());
        environment.remove("QT_QPA_PLATFORM");
        kestrel.setProcessEnvironment(environment);
        kestrel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        kestrel.start(KESTREL_BINARY, {});
        ASSERT_TRUE(kestrel.waitForStarted());
        const bool listening = test::runEventLoopUntil(
            [&] {
                input.tap(a);
                test::runEventLoop(150ms);
                return !screenshot().changed.isNull();
            },
            15s);
        ASSERT_TRUE(listening) << "Kestrel did not start listening";
        const bool clear = test::runEventLoopUntil([&] { return screenshot().changed.isNull(); }, 10s);
        ASSERT_TRUE(clear) << "the first keycap never went away";
    }

    Screenshot screenshot()
    {
        Screenshot shot;
        shot.pixels = grab();
        if (shot.pixels.size() != baseline.size())
            return shot;
        std::vector<QRect> columns(screenWidth);
        for (int y = 0; y < screenHeight; ++y) {
            for (int x = 0; x < screenWidth; ++x) {
                const auto index = static_cast<std::size_t>(y * screenWidth + x);
                if ((shot.pixels[index] & 0xffffff) != (baseline[index] & 0xffffff))
                    columns[static_cast<std::size_t>(x)] |= QRect(x, y, 1, 1);
            }
        }
        for (int x = 0; x < screenWidth; ++x) {
            const QRect& column = columns[static_cast<std::size_t>(x)];
            if (column.isNull())
                continue;
            shot.changed |= column;
            if (!shot.blobs.empty() && shot.blobs.back().right() == x - 1)
                shot.blobs.back() |= column;
            else
                shot.blobs.push_back(column);
        }
        return shot;
    }

    // Waits until the screen holds still, then takes it.
    Screenshot settledScreenshot()
    {
        test::runEventLoop(400ms);
        return screenshot();
    }

    void pressHotKey()
    {
        for (std::uint32_t key : {leftControl, leftAlt, leftSuper})
            input.key(key, true);
        input.tap(returnKey);
        for (std::uint32_t key : {leftSuper, leftAlt, leftControl})
            input.key(key, false);
    }

    test::XvfbServer server{"1920x1080"};
    test::XTestDriver input{server.display()};
    QTemporaryDir config;
    QProcess kestrel;
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    std::vector<std::uint32_t> baseline;
};

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
    test::runEventLoop(1200ms);
    EXPECT_FALSE(screenshot().changed.isNull()) << "still shown within the display duration";
    // Then gone: after the 1.5 s display duration and the 0.3 s fade.
    EXPECT_TRUE(test::runEventLoopUntil([&] { return screenshot().changed.isNull(); }, 5s))
        << "nothing is left on screen";
    EXPECT_GE(std::chrono::steady_clock::now() - released, 1500ms);
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
    test::runEventLoop(100ms);
    takeBaseline();

    start();
    input.key(leftControl, true);
    input.key(c, true);
    test::runEventLoop(300ms);
    const Screenshot shot = screenshot();
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

    pressHotKey(); // off: the overlay goes at once and keys show nothing
    test::runEventLoop(300ms);
    input.tap(a);
    EXPECT_TRUE(settledScreenshot().changed.isNull());

    pressHotKey(); // on again
    test::runEventLoop(300ms);
    input.key(a, true);
    EXPECT_FALSE(settledScreenshot().changed.isNull());
    input.key(a, false);
}

} // namespace
} // namespace kestrel
