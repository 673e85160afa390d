// Kestrel on a Wayland compositor, as a user meets it: the real program on a headless sway,
// its keys from a FIFO (as from the kernel's devices), judged by the screen, by a full-screen
// window that reports which clicks and keys reach it, and by what Kestrel says of itself.

#include "support/EventLoop.h"
#include "support/ProcessFigures.h"
#include "support/ScreenChanges.h"
#include "support/SoakTyping.h"
#include "support/dbus/FakeWatcher.h"
#include "support/dbus/PrivateBus.h"
#include "support/desktops/TrayHost.h"
#include "support/evdev/EvdevFifo.h"
#include "support/wayland/SwayServer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QSaveFile>
#include <QTemporaryDir>

#include <iostream>

#include <linux/input.h>

namespace kestrel::test {
namespace {

using namespace std::chrono_literals;

constexpr int width = 1280;
constexpr int height = 720;
const QColor windowColour(0x30, 0x60, 0xc0); // what InputLogWindow paints

Changes changes(const QImage& screen)
{
    return changesFrom(screen, windowColour);
}

class KestrelWaylandTest : public ::testing::Test {
protected:
    KestrelWaylandTest()
    {
        QObject::connect(&kestrel, &QProcess::readyReadStandardError, [this] {
            const QByteArray said = kestrel.readAllStandardError();
            kestrelSaid += said.toStdString();
            std::fwrite(said.constData(), 1, static_cast<std::size_t>(said.size()), stderr);
        });
    }

    void SetUp() override
    {
        ASSERT_TRUE(sway.isRunning()) << sway.error();
        window.setProcessEnvironment(environment({{"QT_QPA_PLATFORM", "wayland"}}));
        window.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        window.start(QStringLiteral(KESTREL_INPUT_LOG_WINDOW), {});
        ASSERT_TRUE(awaitWindowSaid("ready")) << windowSaid;
        // A new virtual keyboard's first key can be lost: one for nothing.
        sway.type(QStringLiteral("x"));
        awaitWindowSaid("key x", 1s);
    }
    void TearDown() override
    {
        for (QProcess* process : {&kestrel, &window}) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
        }
    }

    QProcessEnvironment environment(std::initializer_list<std::pair<const char*, QString>> extra)
    {
        QProcessEnvironment variables = sway.clientEnvironment();
        for (const auto& [name, value] : extra)
            variables.insert(QString::fromLatin1(name), value);
        return variables;
    }

    // Starts Kestrel on the compositor with keys from a FIFO and the overlay at `position`,
    // keycaps staying `displayDuration` seconds. On `sessionBus` when one is given.
    void startKestrel(const char* position, const QString& sessionBus = {}, double displayDuration = 1.5)
    {
        keys.emplace(folder.filePath(QStringLiteral("keys")));
        ASSERT_TRUE(keys->isMade());
        QDir().mkpath(folder.filePath(QStringLiteral("config/kestrel")));
        preferencesStart = QStringLiteral(R"({"hasCompletedOnboarding": true, "overlayPosition": "%1",
                                             "displayDuration": %2)")
                               .arg(QString::fromLatin1(position))
                               .arg(displayDuration);
        ASSERT_TRUE(writePreferences({}));
        QProcessEnvironment variables = environment({{"XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config"))},
                                                     {"KESTREL_EVDEV_STREAM", keys->path()},
                                                     {"XKB_DEFAULT_LAYOUT", QStringLiteral("de")}});
        if (!sessionBus.isEmpty())
            variables.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), sessionBus);
        kestrel.setProcessEnvironment(variables);
        kestrel.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        kestrel.start(QStringLiteral(KESTREL_BINARY), {});
        ASSERT_TRUE(kestrel.waitForStarted());
        ASSERT_TRUE(keys->open());
    }

    // Writes Kestrel's preferences, whole in one step as an editor saves them: those it was
    // started with, and `more` members.
    bool writePreferences(const QString& more)
    {
        QSaveFile preferences(folder.filePath(QStringLiteral("config/kestrel/preferences.json")));
        if (!preferences.open(QIODevice::WriteOnly))
            return false;
        preferences.write(
            (preferencesStart + (more.isEmpty() ? QString() : QStringLiteral(", ") + more) + QStringLiteral("}"))
                .toUtf8());
        return preferences.commit();
    }

    void key(std::uint16_t code, int value) { ASSERT_TRUE(keys->key(code, value)); }

    // What a key held down shows, once the picture is still; the key is let go after.
    QImage keycapsOf(std::uint16_t code)
    {
        key(code, 1);
        QImage previous;
        QImage shown;
        runEventLoopUntil(
            [&] {
                const QImage screen = sway.screenshot();
                const Changes now = changes(screen);
                shown = now.pixels > 500 ? screen.copy(now.area) : QImage();
                const bool still = !shown.isNull() && shown == previous;
                previous = shown;
                return still;
            },
            10s, 150ms);
        key(code, 0);
        runEventLoopUntil([&] { return changes(sway.screenshot()).pixels == 0; }, 10s, 150ms);
        return shown;
    }
    void stopKestrel()
    {
        kestrel.terminate();
        kestrel.waitForFinished(5000);
        keys.reset();
    }

    bool awaitWindowSaid(const char* line, std::chrono::milliseconds timeout = 5s)
    {
        return runEventLoopUntil(
            [&] {
                windowSaid += window.readAllStandardOutput().toStdString();
                return windowSaid.find(std::string(line) + "\n") != std::string::npos;
            },
            timeout);
    }

    SwayServer sway{width, height};
    QTemporaryDir folder;
    QString preferencesStart; // the preferences Kestrel starts with, open for more members
    QProcess window;
    QProcess kestrel;
    std::string windowSaid;
    std::string kestrelSaid; // on its standard error
    std::optional<EvdevFifo> keys;
};

TEST_F(KestrelWaylandTest, KeysShowAboveAFullScreenWindowThatKeepsItsClicksAndKeys)
{
    ASSERT_NO_FATAL_FAILURE(startKestrel("topRight"));
    // Shift and 3 on a German layout: ⇧ §. Kestrel may still be starting: press until it shows.
    Changes shown;
    ASSERT_TRUE(runEventLoopUntil(
        [&] {
            key(KEY_LEFTSHIFT, 1);
            key(KEY_3, 1);
            shown = changes(sway.screenshot());
            return shown.pixels > 2000;
        },
        10s, 200ms))
        << "no keycaps on the screen";
    // In the top right corner, and nowhere else.
    EXPECT_GT(shown.area.left(), width / 2) << shown.area.x() << "," << shown.area.y();
    EXPECT_LT(shown.area.bottom(), height / 3) << shown.area.x() << "," << shown.area.y();

    // A click on the keycaps reaches the window below them.
    const QPoint centre = shown.area.center();
    ASSERT_TRUE(sway.click(centre.x(), centre.y()));
    EXPECT_TRUE(awaitWindowSaid(QStringLiteral("press %1 %2").arg(centre.x()).arg(centre.y()).toLatin1()))
        << windowSaid;
    // And so does typing: the overlay never took the keyboard. (A new virtual keyboard's
    // first key may be lost on the way, whatever Kestrel does: two are typed.)
    ASSERT_TRUE(sway.type(QStringLiteral("kk")));
    EXPECT_TRUE(awaitWindowSaid("key k")) << windowSaid;

    // Once the keys are up, the keycaps fade and the window is whole again.
    key(KEY_3, 0);
    key(KEY_LEFTSHIFT, 0);
    EXPECT_TRUE(runEventLoopUntil([&] { return changes(sway.screenshot()).pixels == 0; }, 10s, 250ms));
    EXPECT_EQ(kestrel.state(), QProcess::Running);
}

TEST_F(KestrelWaylandTest, KeysAreReadWithTheLayoutsOfTheDesktopsKeyboard)
{
    // The system's layout is German (Y and Z swapped). With no keyboard of the desktop's, it
    // is the one used: its Z key is the American Y.
    ASSERT_NO_FATAL_FAILURE(startKestrel("bottomCenter"));
    const QImage systemsZ = keycapsOf(KEY_Z);
    const QImage systemsY = keycapsOf(KEY_Y);
    ASSERT_FALSE(systemsZ.isNull()) << "no keycaps on the screen";
    ASSERT_NE(systemsZ, systemsY);
    stopKestrel();

    // The desktop's keyboard is American: once the compositor has sent its keymap, the Y key
    // shows what the system's Z key showed.
    QProcess keyboard;
    keyboard.setProcessEnvironment(environment({}));
    keyboard.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    keyboard.start(QStringLiteral(KESTREL_VIRTUAL_KEYBOARD), {QStringLiteral("us")});
    ASSERT_TRUE(keyboard.waitForReadyRead(5000));
    ASSERT_EQ(keyboard.readLine().trimmed(), "ready");
    ASSERT_NO_FATAL_FAILURE(startKestrel("bottomCenter"));
    EXPECT_TRUE(runEventLoopUntil([&] { return keycapsOf(KEY_Y) == systemsZ; }, 10s))
        << "the desktop's keymap was not used";
    keyboard.closeWriteChannel();
    keyboard.waitForFinished(5000);
}

TEST_F(KestrelWaylandTest, OnTheScreenWithThePointerKeysGoToTheOutputTheCompositorChooses)
{
    // A second output, with nothing on it, made once Kestrel shows keys; Kestrel's display
    // left at "screen with the pointer".
    ASSERT_NO_FATAL_FAILURE(startKestrel("bottomCenter"));
    ASSERT_FALSE(keycapsOf(KEY_A).isNull()) << "Kestrel shows no keys";
    ASSERT_TRUE(sway.command(QStringLiteral("create_output")));
    // How many pixels of an output show something other than its background, one colour: a
    // keycap's last faint frames count too, so nothing is taken for empty while it fades.
    const auto changedOn = [&](const char* output) {
        const QImage now = sway.screenshot(QString::fromLatin1(output));
        if (now.isNull())
            return -1;
        const QRgb background = now.pixel(0, 0);
        int changed = 0;
        for (int y = 0; y < now.height(); ++y)
            for (int x = 0; x < now.width(); ++x)
                changed += now.pixel(x, y) != background;
        return changed;
    };
    for (const char* output : {"HEADLESS-1", "HEADLESS-2"})
        ASSERT_TRUE(runEventLoopUntil([&] { return changedOn(output) == 0; }, 10s, 150ms)) << output << " is not empty";
    for (const auto& [focused, other] :
         {std::pair{"HEADLESS-2", "HEADLESS-1"}, std::pair{"HEADLESS-1", "HEADLESS-2"}}) {
        ASSERT_TRUE(sway.command(QStringLiteral("focus output %1").arg(QString::fromLatin1(focused))));
        key(KEY_K, 1);
        EXPECT_TRUE(runEventLoopUntil([&] { return changedOn(focused) > 2000; }, 10s, 200ms))
            << "no keycaps on " << focused;
        EXPECT_EQ(changedOn(other), 0) << "keycaps on " << other;
        key(KEY_K, 0);
        ASSERT_TRUE(runEventLoopUntil([&] { return changedOn(focused) == 0; }, 10s, 250ms));
    }
}

TEST_F(KestrelWaylandTest, AMonitorComingAndGoingAHundredTimesLeavesTheOverlayWhereTheFocusIs)
{
    ASSERT_NO_FATAL_FAILURE(startKestrel("bottomCenter", {}, 0.5));
    // A second output comes and goes, each time taking the focus while keys are typed, the
    // focus going back to the first when it goes. (Sway 1.7 cannot unplug a headless output;
    // it disables it, as for a laptop's closed lid: clients still know of it.)
    ASSERT_TRUE(sway.command(QStringLiteral("create_output")));
    for (int cycle = 0; cycle < 100; ++cycle) {
        ASSERT_TRUE(sway.command(QStringLiteral("output HEADLESS-2 enable")));
        ASSERT_TRUE(sway.command(QStringLiteral("focus output HEADLESS-2")));
        key(KEY_A, 1);
        key(KEY_A, 0);
        ASSERT_TRUE(sway.command(QStringLiteral("output HEADLESS-2 disable")));
        ASSERT_TRUE(sway.command(QStringLiteral("focus output HEADLESS-1")));
        key(KEY_B, 1);
        key(KEY_B, 0);
        ASSERT_EQ(kestrel.state(), QProcess::Running) << "after " << cycle + 1 << " cycles";
    }
    // The overlay stays where it was while it has keycaps, and goes where the focus is with
    // the next keys after: typed a second apart, longer than a keycap stays, they show on the
    // output left.
    const bool shown = runEventLoopUntil(
        [&] {
            key(KEY_K, 1);
            key(KEY_K, 0);
            return runEventLoopUntil([&] { return changes(sway.screenshot()).pixels > 500; }, 1s, 100ms);
        },
        10s);
    EXPECT_TRUE(shown) << "no keycaps on HEADLESS-1";
}

// A long day on sway: keys, shortcuts, clicks and scroll steps from the kernel's devices (the
// FIFO) through every style, judged by what Kestrel holds before and after: its memory,
// descriptors and threads, and the layer surface's shared-memory buffers. KESTREL_SOAK_KEYS
// sets how many keys (20,000 unless told).
TEST_F(KestrelWaylandTest, AnyAmountOfTypingLeavesTheLayerSurfacesBuffersAndMemoryAsTheyWere)
{
    ASSERT_NO_FATAL_FAILURE(startKestrel("bottomCenter", {}, 0.5));
    ASSERT_FALSE(keycapsOf(KEY_A).isNull()) << "Kestrel shows no keys";
    SoakTyping typing{SoakTyping::Input{
        .key = [this](std::uint32_t code, bool down) { keys->key(static_cast<std::uint16_t>(code), down ? 1 : 0); },
        .button = [this](int button, bool down) { keys->key(button == 1 ? BTN_LEFT : BTN_RIGHT, down ? 1 : 0); },
        .scroll = [this](int steps) { keys->wheel(steps); },
        .flush = {},
        .setStyle = [this](const std::string& members) { writePreferences(QString::fromStdString(members)); }}};
    // What Kestrel holds once the keycaps have left the screen.
    const auto settledFigures = [&] {
        EXPECT_TRUE(runEventLoopUntil([&] { return changes(sway.screenshot()).pixels == 0; }, 30s, 100ms))
            << "the keycaps stay on screen";
        return ProcessFigures::of(kestrel.processId());
    };
    const std::size_t total = soakKeys(20000);
    const std::size_t warmUp = 5000;

    // Every style, slowly enough that each is drawn many times over; then the rest, twice
    // through every style, at a thousand keys a second.
    typing.type(warmUp, 1, 250);
    const ProcessFigures before = settledFigures();
    typing.type(total - warmUp, 2, 1000);
    const ProcessFigures after = settledFigures();
    // The last frame's buffer comes back from the compositor, and the surface goes, a moment
    // after the screen is clear; once Kestrel has been still for a while, it stays still.
    const auto switchesIn = [&](std::chrono::milliseconds window) {
        const long before = ProcessFigures::contextSwitches(kestrel.processId());
        runEventLoop(window);
        return ProcessFigures::contextSwitches(kestrel.processId()) - before;
    };
    EXPECT_TRUE(runEventLoopUntil([&] { return switchesIn(300ms) == 0; }, 10s)) << "Kestrel never rests";
    const long idleWakeups = switchesIn(2s);
    std::cout << "Kestrel on sway, " << total << " keys after a warm-up of " << warmUp << '\n'
              << "  after " << warmUp << ": " << before.describe() << '\n'
              << "  at the end: " << after.describe() << '\n'
              << "  idle for 2 s: " << idleWakeups << " wakeups\n";

    EXPECT_EQ(kestrel.state(), QProcess::Running);
    EXPECT_LE(after.residentKiB - before.residentKiB, 1024) << "memory grows with typing";
    EXPECT_EQ(after.descriptors, before.descriptors);
    EXPECT_EQ(after.threads, before.threads);
    // The surface's buffers are those of the last size: two that take turns.
    EXPECT_EQ(after.sharedMemoryMaps, before.sharedMemoryMaps) << "buffers of sizes no longer shown are kept";
    EXPECT_EQ(after.sharedMemoryKiB, before.sharedMemoryKiB);
    EXPECT_EQ(idleWakeups, 0);
    EXPECT_FALSE(keycapsOf(KEY_A).isNull()) << "Kestrel shows keys still";
}

TEST_F(KestrelWaylandTest, KestrelSaysItRunsNativelyWithInputFromTheKernel)
{
    QProcess version;
    version.setProcessEnvironment(environment({}));
    version.start(QStringLiteral(KESTREL_BINARY), {QStringLiteral("--version")});
    ASSERT_TRUE(version.waitForFinished(10000));
    const std::string said = version.readAllStandardOutput().toStdString();
    EXPECT_NE(said.find("Keys: the kernel's input devices (evdev)"), std::string::npos) << said;
    EXPECT_NE(said.find("Overlay: a Wayland layer surface"), std::string::npos) << said;
}

// A compositor without layer surfaces, as GNOME's is: Kestrel still reads the kernel's
// devices, and shows its windows through XWayland.
TEST_F(KestrelWaylandTest, TheTrayIconOpensThePanelAtTheActivationPointAndEscapeClosesIt)
{
    // A session bus with a tray's watcher on it, as a bar with a tray keeps one.
    PrivateBus bus;
    ASSERT_TRUE(bus.isRunning()) << bus.error();
    const QDBusConnection tray = QDBusConnection::connectToBus(bus.address(), QStringLiteral("sway-tray"));
    FakeWatcher watcher(tray);
    ASSERT_TRUE(watcher.isServing());
    ASSERT_NO_FATAL_FAILURE(startKestrel("bottomLeft", bus.address()));
    TrayHost bar(tray);
    ASSERT_TRUE(bar.awaitKestrel());

    const QPoint click(width - 200, 30);
    QRect panel;
    const auto openPanel = [&] {
        return bar.activate(click.x(), click.y()) && runEventLoopUntil(
                                                         [&] {
                                                             panel = changes(sway.screenshot()).area;
                                                             return panel.height() > 150;
                                                         },
                                                         10s, 100ms);
    };
    const auto awaitClosed = [&] {
        return runEventLoopUntil([&] { return changes(sway.screenshot()).pixels == 0; }, 10s, 100ms);
    };
    ASSERT_TRUE(openPanel()) << "no panel on the output";
    EXPECT_LE(std::abs(panel.top() - click.y()), 2) << "right under the point";
    EXPECT_LE(std::abs(panel.center().x() - click.x()), 2) << "centred under the point";
    // Escape closes it: it has the keyboard.
    ASSERT_TRUE(sway.tapKey(QStringLiteral("Escape")));
    EXPECT_TRUE(awaitClosed()) << "Escape leaves the panel open";
    // A click elsewhere reaches the window clicked (sway leaves the keyboard with the panel
    // then, so it stays open); a second activation closes it.
    ASSERT_TRUE(openPanel());
    ASSERT_TRUE(sway.click(300, 500));
    EXPECT_TRUE(awaitWindowSaid("press 300 500")) << windowSaid;
    ASSERT_TRUE(bar.activate(click.x(), click.y()));
    EXPECT_TRUE(awaitClosed()) << "a second activation leaves the panel open";
    QDBusConnection::disconnectFromBus(QStringLiteral("sway-tray"));
}

TEST_F(KestrelWaylandTest, WhenTheCompositorEndsKestrelEndsWithinASecondAndSaysWhy)
{
    ASSERT_NO_FATAL_FAILURE(startKestrel("bottomCenter"));
    key(KEY_A, 1);
    ASSERT_TRUE(runEventLoopUntil([&] { return changes(sway.screenshot()).pixels > 500; }, 10s, 100ms));
    key(KEY_A, 0);

    QElapsedTimer clock;
    clock.start();
    sway.stop();
    ASSERT_TRUE(kestrel.waitForFinished(5000)) << "Kestrel outlives its session";
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(kestrel.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(kestrel.exitCode(), 0) << "its session is over: nothing failed";
    kestrelSaid += kestrel.readAllStandardError().toStdString(); // what came after the last read
    EXPECT_NE(kestrelSaid.find("kestrel: the Wayland compositor has ended"), std::string::npos) << kestrelSaid;
}

TEST(KestrelOnAWaylandWithoutLayerSurfaces, ChoosesAnX11Overlay)
{
    QTemporaryDir runtime;
    QProcess weston;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    weston.setProcessEnvironment(environment);
    weston.setProcessChannelMode(QProcess::MergedChannels);
    weston.setStandardOutputFile(runtime.filePath(QStringLiteral("weston.log")));
    weston.start(QStringLiteral("weston"), {QStringLiteral("--backend=headless-backend.so"),
                                            QStringLiteral("--use-pixman"), QStringLiteral("--socket=wayland-test")});
    ASSERT_TRUE(weston.waitForStarted(5000)) << weston.errorString().toStdString();
    const QString socket = runtime.filePath(QStringLiteral("wayland-test"));
    ASSERT_TRUE(runEventLoopUntil([&] { return QFile::exists(socket); }, 10s));

    QProcess version;
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
    version.setProcessEnvironment(environment);
    version.start(QStringLiteral(KESTREL_BINARY), {QStringLiteral("--version")});
    ASSERT_TRUE(version.waitForFinished(10000));
    const std::string said = version.readAllStandardOutput().toStdString();
    EXPECT_NE(said.find("Keys: the kernel's input devices (evdev)"), std::string::npos) << said;
    EXPECT_NE(said.find("Overlay: an X11 window"), std::string::npos) << said;
    weston.terminate();
    if (!weston.waitForFinished(5000))
        weston.kill();
}

} // namespace
} // namespace kestrel::test
