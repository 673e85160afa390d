// Kestrel as a user meets it: the real program on a private X server, typed at through
// XTest, judged by what reaches the screen.
#pragma once

#include "platform/x11/XcbHeaders.h"
#include "support/EventLoop.h"
#include "support/ProgramEnvironment.h"
#include "support/x11/XTestDriver.h"
#include "support/x11/XvfbServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

namespace kestrel::test {

using namespace std::chrono_literals;
using x11::XcbPointer;

constexpr std::uint32_t background = 0x4a78b0; // a mid blue, so dark keycaps stand out
constexpr int screenWidth = 1920;
constexpr int screenHeight = 1080;

// The Kestrel under test: the build's, or the one KESTREL_BINARY names (an installed one).
inline QString kestrelBinary()
{
    const QString named = qEnvironmentVariable("KESTREL_BINARY");
    return named.isEmpty() ? QStringLiteral(KESTREL_BINARY) : named;
}

// The keys the tests press, by the kernel's codes.
enum Evdev : std::uint32_t {
    a = KEY_A,
    c = KEY_C,
    returnKey = KEY_ENTER,
    down = KEY_DOWN,
    leftControl = KEY_LEFTCTRL,
    leftAlt = KEY_LEFTALT,
    leftSuper = KEY_LEFTMETA,
};

constexpr std::uint32_t rgb(int red, int green, int blue)
{
    return static_cast<std::uint32_t>(red << 16 | green << 8 | blue);
}

// What is on screen: the root window's pixels, and where they differ from how the screen
// looked before Kestrel drew anything.
struct Screenshot {
    std::vector<std::uint32_t> pixels;
    QRect changed;            // bounding box of everything not background
    std::vector<QRect> blobs; // runs of changed columns, left to right, with their rows
};

class KestrelAppTest : public ::testing::Test {
protected:
    KestrelAppTest()
    {
        QObject::connect(&kestrel, &QProcess::readyReadStandardError, [this] {
            const QByteArray said = kestrel.readAllStandardError();
            errors += said.toStdString();
            std::fwrite(said.constData(), 1, static_cast<std::size_t>(said.size()), stderr);
        });
    }

    void SetUp() override
    {
        ASSERT_TRUE(server.isRunning()) << server.error();
        connectToServer();
    }

    // Paints the desktop and takes the baseline; again after the server was restarted.
    void connectToServer()
    {
        if (connection)
            xcb_disconnect(connection);
        connection = xcb_connect(server.display().c_str(), nullptr);
        ASSERT_EQ(xcb_connection_has_error(connection), 0);
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        xcb_change_window_attributes(connection, root, XCB_CW_BACK_PIXEL, &background);
        xcb_clear_area(connection, 0, root, 0, 0, 0, 0);
        takeBaseline();
    }

    // The screen without Kestrel's keycaps, to compare against, once it holds still.
    void takeBaseline()
    {
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
        baseline = stillPixels();
    }

    // The screen's pixels once two looks in a row agree.
    std::vector<std::uint32_t> stillPixels()
    {
        std::vector<std::uint32_t> pixels = grab();
        runEventLoopUntil(
            [&] {
                runEventLoop(30ms); // between the two looks
                std::vector<std::uint32_t> next = grab();
                const bool still = next == pixels;
                pixels = std::move(next);
                return still;
            },
            5s);
        return pixels;
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
        stop();
        xcb_disconnect(connection);
    }

    void stop()
    {
        if (kestrel.state() != QProcess::NotRunning) {
            kestrel.terminate();
            kestrel.waitForFinished(3000);
        }
    }

    std::string preferencesPath() const { return config.path().toStdString() + "/kestrel/preferences.json"; }

    // Kestrel's processor time so far, in clock ticks.
    long cpuTicks() const
    {
        std::ifstream stat("/proc/" + std::to_string(kestrel.processId()) + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        const auto fields = text.rfind(')'); // the name may hold spaces
        if (fields == std::string::npos)
            return -1;
        std::istringstream rest(text.substr(fields + 2));
        std::string field;
        long ticks = 0;
        for (int index = 3; rest >> field; ++index) {
            if (index == 14 || index == 15) // utime, stime
                ticks += std::stol(field);
        }
        return ticks;
    }

    // How often Kestrel has said `text` on its standard error so far: what it wrote and is
    // still in the pipe is read first.
    int saidTimes(const std::string& text)
    {
        QCoreApplication::processEvents();
        int count = 0;
        for (auto at = errors.find(text); at != std::string::npos; at = errors.find(text, at + 1))
            ++count;
        return count;
    }

    // Writes the preferences file, with onboarding done unless the test is about the first
    // launch; returns what it wrote.
    std::string writePreferences(const std::string& json)
    {
        std::filesystem::create_directories(config.path().toStdString() + "/kestrel");
        std::string written = json;
        if (onboarded) {
            const auto open = written.find('{');
            const bool empty = written.find_first_not_of(" \n", open + 1) == written.find('}', open);
            written.insert(open + 1, std::string(R"("hasCompletedOnboarding": true)") + (empty ? "" : ", "));
        }
        std::ofstream(preferencesPath()) << written;
        return written;
    }

    // The preferences file once it holds `text`, or as it is after a while without.
    std::string awaitSaved(const std::string& text)
    {
        std::string saved;
        runEventLoopUntil(
            [&] {
                std::ifstream preferences(preferencesPath());
                saved.assign(std::istreambuf_iterator<char>(preferences), std::istreambuf_iterator<char>());
                return saved.find(text) != std::string::npos;
            },
            5s);
        return saved;
    }

    // Starts Kestrel and waits until it shows a key, then until the screen is clear again.
    // `welcomeExpected`: the preferences cannot be read, so Kestrel welcomes the user as on a
    // first launch; the welcome window is closed first.
    void start(bool welcomeExpected = false)
    {
        ASSERT_NO_FATAL_FAILURE(launch());
        if (welcomeExpected) {
            const auto welcome = awaitTopLevel(welcomeTitle);
            ASSERT_TRUE(welcome) << "no welcome window";
            closeWindow(*welcome);
            ASSERT_FALSE(awaitTopLevel(welcomeTitle, false)) << "the welcome window stays";
        }
        ASSERT_NO_FATAL_FAILURE(awaitListening());
    }

    // What Kestrel runs with: the test's display, and folders of its own for its files.
    QProcessEnvironment kestrelEnvironment() const
    {
        QProcessEnvironment environment = programEnvironment();
        environment.insert("DISPLAY", QString::fromStdString(server.display()));
        environment.insert("XDG_CONFIG_HOME", config.path());
        environment.insert("XDG_STATE_HOME", config.path() + "/state");
        // The runtime folder is private, as the session's is; the instance socket lives there.
        QDir(config.path()).mkdir(QStringLiteral("runtime"));
        QFile::setPermissions(config.path() + "/runtime",
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        environment.insert("XDG_RUNTIME_DIR", config.path() + "/runtime");
        environment.remove("QT_QPA_PLATFORM");
        // No session bus: the tray item takes the XEmbed path, as trayer offers it.
        environment.remove("DBUS_SESSION_BUS_ADDRESS");
        for (const auto& [name, value] : extraEnvironment)
            environment.insert(name, value);
        return environment;
    }

    // A later launch of `kestrel` with `arguments`: its exit status, or -1 when it hangs.
    int launchAgain(const QStringList& arguments, std::string* said = nullptr)
    {
        QProcess again;
        again.setProcessEnvironment(kestrelEnvironment());
        again.start(kestrelBinary(), arguments);
        if (!again.waitForFinished(10000)) {
            again.kill();
            return -1;
        }
        if (said)
            *said = again.readAllStandardError().toStdString() + again.readAllStandardOutput().toStdString();
        return again.exitStatus() == QProcess::NormalExit ? again.exitCode() : -1;
    }

    void launch(const QStringList& arguments = {})
    {
        std::error_code error;
        if (onboarded && !std::filesystem::exists(std::filesystem::symlink_status(preferencesPath(), error)))
            writePreferences("{}");
        kestrel.setProcessEnvironment(kestrelEnvironment());
        kestrel.setProcessChannelMode(QProcess::SeparateChannels);
        kestrel.setStandardOutputFile(QProcess::nullDevice());
        errors.clear();
        if (childSetup)
            kestrel.setChildProcessModifier(childSetup);
        kestrel.start(kestrelBinary(), arguments);
        ASSERT_TRUE(kestrel.waitForStarted());
    }

    // Types until a key shows, then waits until the screen is clear again.
    void awaitListening()
    {
        ASSERT_TRUE(tapUntilShown(a, 15s)) << "Kestrel did not start listening";
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

    // Waits until something shows and the screen then holds still (two looks in a row the
    // same), and takes it.
    Screenshot settledScreenshot()
    {
        runEventLoopUntil([&] { return !screenshot().changed.isNull(); }, 5s);
        stillPixels();
        return screenshot();
    }

    // Whether the screen stays as it was without Kestrel for as long as a keycap would stay
    // on it (the display duration and the fade), looked at all the while.
    bool nothingShows(std::chrono::milliseconds duration = 2s)
    {
        return !runEventLoopUntil([&] { return !screenshot().changed.isNull(); }, duration, 20ms);
    }

    // Types `key` until it shows: for a switch that reaches Kestrel on another connection
    // than the keys do, and may come after them.
    bool tapUntilShown(std::uint32_t key, std::chrono::milliseconds timeout = 5s)
    {
        return runEventLoopUntil(
            [&] {
                input.tap(key);
                return runEventLoopUntil([&] { return !screenshot().changed.isNull(); }, 300ms);
            },
            timeout);
    }

    bool awaitClear()
    {
        return runEventLoopUntil([&] { return screenshot().changed.isNull(); }, 5s);
    }

    // Switches keys off through `switchOff` while a key is held on screen, and waits for the
    // overlay to go: the sign that the switch has reached Kestrel, which hears of keys on
    // another connection and may hear of them first.
    bool switchOff(const std::function<void()>& switchOff)
    {
        input.key(a, true);
        const bool shown = runEventLoopUntil([&] { return !screenshot().changed.isNull(); });
        switchOff();
        const bool gone = shown && awaitClear();
        input.key(a, false);
        return gone;
    }

    void pressHotKey() { input.chord({leftControl, leftAlt, leftSuper}, returnKey); }

    std::string windowName(xcb_window_t window)
    {
        const XcbPointer<xcb_get_property_reply_t> name(xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 256), nullptr));
        if (!name)
            return {};
        return {static_cast<const char*>(xcb_get_property_value(name.get())),
                static_cast<std::size_t>(xcb_get_property_value_length(name.get()))};
    }

    std::vector<xcb_window_t> children(xcb_window_t parent)
    {
        const XcbPointer<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, parent), nullptr));
        if (!tree)
            return {};
        const xcb_window_t* first = xcb_query_tree_children(tree.get());
        return {first, first + xcb_query_tree_children_length(tree.get())};
    }

    bool isViewable(xcb_window_t window)
    {
        const XcbPointer<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr));
        return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    }

    // A window's rectangle on the screen.
    QRect frameOf(xcb_window_t window)
    {
        const XcbPointer<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
        const XcbPointer<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, window, root, 0, 0), nullptr));
        if (!geometry || !origin)
            return {};
        return {origin->dst_x, origin->dst_y, geometry->width, geometry->height};
    }

    // The viewable top-level window titled `title`, if there is one.
    std::optional<xcb_window_t> topLevel(const std::string& title)
    {
        for (const xcb_window_t window : children(root)) {
            if (isViewable(window) && windowName(window) == title)
                return window;
        }
        return std::nullopt;
    }

    // Waits until `colour` shows inside `area` and the screen then holds still; where it is.
    std::optional<QPoint> awaitColour(std::uint32_t colour, const QRect& area, int tolerance = 6)
    {
        runEventLoopUntil([&] { return find(colour, area, tolerance).has_value(); }, 5s);
        stillPixels();
        return find(colour, area, tolerance);
    }

    std::optional<xcb_window_t> awaitTopLevel(const std::string& title, bool present = true)
    {
        std::optional<xcb_window_t> window;
        runEventLoopUntil([&] { return (window = topLevel(title)).has_value() == present; }, 5s);
        return window;
    }

    // The first point inside `area`, read row by row, whose colour is within `tolerance` of
    // `colour` in every channel.
    std::optional<QPoint> find(std::uint32_t colour, const QRect& area, int tolerance = 6)
    {
        const Screenshot shot = screenshot();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const std::uint32_t pixel = shot.pixels[static_cast<std::size_t>(y * screenWidth + x)];
                const auto near = [&](int shift) {
                    return std::abs(static_cast<int>((pixel >> shift) & 0xff) -
                                    static_cast<int>((colour >> shift) & 0xff)) <= tolerance;
                };
                if (near(16) && near(8) && near(0))
                    return QPoint(x, y);
            }
        }
        return std::nullopt;
    }

    // What the window manager's close button does: asks the window to close.
    void closeWindow(xcb_window_t window)
    {
        const auto atom = [&](const char* name) { return x11::internAtom(connection, name); };
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = atom("WM_PROTOCOLS");
        message.data.data32[0] = atom("WM_DELETE_WINDOW");
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
        xcb_flush(connection);
    }

    void clickAt(QPoint point)
    {
        input.moveTo(point.x(), point.y());
        input.click(1);
    }

    test::XvfbServer server{"1920x1080"};
    test::XTestDriver input{server.display()};
    QTemporaryDir config;
    QProcess kestrel;
    std::function<void()> childSetup; // run in Kestrel's process before it starts
    bool onboarded = true;            // false: Kestrel starts as on its first launch
    const std::string welcomeTitle = "Welcome to Kestrel";
    std::map<QString, QString> extraEnvironment;
    std::string errors; // what Kestrel said on its standard error
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    std::vector<std::uint32_t> baseline;
};

} // namespace kestrel::test
