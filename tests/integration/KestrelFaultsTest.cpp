// Kestrel under faults: a display that goes away, preferences it cannot read or write, and
// a storm of input. It must stay up, leave the user's files alone and show nothing stale.

#include "integration/KestrelAppFixture.h"
#include "support/dbus/FakeWatcher.h"
#include "support/dbus/PrivateBus.h"

#include <pwd.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrel::test {
namespace {

namespace fs = std::filesystem;

TEST_F(KestrelAppTest, ADisplayNamingAScreenThatDoesNotExistIsRefusedClearly)
{
    QProcess wrongScreen;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", QString::fromStdString(server.display() + ".7"));
    environment.remove("QT_QPA_PLATFORM");
    wrongScreen.setProcessEnvironment(environment);
    wrongScreen.start(kestrelBinary(), {});
    ASSERT_TRUE(wrongScreen.waitForFinished(10000));
    EXPECT_EQ(wrongScreen.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(wrongScreen.exitCode(), 1);
    EXPECT_EQ(wrongScreen.readAllStandardError().toStdString(),
              "kestrel: the X display " + server.display() + ".7 has no screen 7.\n");
}

TEST_F(KestrelAppTest, TheXServerGoesAwayAndComesBack)
{
    start();
    input.key(leftControl, true);
    input.key(a, true); // held when the server goes: its release never comes
    ASSERT_TRUE(runEventLoopUntil([&] { return !screenshot().changed.isNull(); }));

    server.stop();
    ASSERT_TRUE(runEventLoopUntil([&] { return saidTimes("went away") == 1; }, 5s)) << errors;
    // Kestrel starts itself again in the same process, marked in its environment, and waits:
    // its start is over once its processor time holds still between two looks.
    const auto startedAgain = [&] {
        std::ifstream environment("/proc/" + std::to_string(kestrel.processId()) + "/environ");
        const std::string text((std::istreambuf_iterator<char>(environment)), std::istreambuf_iterator<char>());
        return text.find("KESTREL_RESTARTED_AFTER_LOST_DISPLAY=1") != std::string::npos;
    };
    ASSERT_TRUE(runEventLoopUntil(startedAgain, 5s)) << "Kestrel did not start again";
    long ticks = -2;
    ASSERT_TRUE(runEventLoopUntil(
        [&] {
            const long now = cpuTicks();
            return std::exchange(ticks, now) == now;
        },
        5s, 200ms))
        << "Kestrel never settled to wait";
    ASSERT_EQ(kestrel.state(), QProcess::Running) << "Kestrel waits for the display";
    const long before = cpuTicks();
    runEventLoop(3s); // a fixed window: the processor time spent over it is what is measured
    EXPECT_LE(cpuTicks() - before, 10) << "no busy loop while the display is away (one would take 300 ticks)";
    ASSERT_EQ(kestrel.state(), QProcess::Running) << "Kestrel waits for the display";

    ASSERT_TRUE(server.restart()) << server.error();
    input.reconnect();
    connectToServer();
    awaitListening(); // the next key shows, and then goes
    EXPECT_EQ(saidTimes("went away"), 1) << errors;
    EXPECT_EQ(saidTimes("is back"), 1) << errors;
    EXPECT_EQ(saidTimes("hot key"), 0) << "nothing but the display is to blame: " << errors;
    EXPECT_EQ(kestrel.state(), QProcess::Running);
}

TEST_F(KestrelAppTest, KilledByTheUserItStaysGone)
{
    start();
    input.tap(a); // the overlay window exists now; every top-level window is Kestrel's
    const XcbPointer<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    ASSERT_TRUE(tree && xcb_query_tree_children_length(tree.get()) > 0);
    xcb_kill_client(connection, xcb_query_tree_children(tree.get())[0]); // as xkill does
    xcb_flush(connection);
    ASSERT_TRUE(kestrel.waitForFinished(5000)) << "the display is still there: Kestrel must not come back";
    EXPECT_EQ(saidTimes("went away"), 0) << errors;
}

// What is at a path, to compare before and after.
struct PathState {
    fs::file_type type = fs::file_type::none;
    std::string target; // of a symbolic link
    std::uintmax_t size = 0;
    bool operator==(const PathState&) const = default;
};

PathState stateOf(const fs::path& path)
{
    std::error_code error;
    PathState state{fs::symlink_status(path, error).type()};
    if (state.type == fs::file_type::symlink)
        state.target = fs::read_symlink(path, error).string();
    if (state.type == fs::file_type::regular)
        state.size = fs::file_size(path, error);
    return state;
}

// Whatever is at the preferences path, Kestrel starts with the defaults and leaves it alone.
enum class AtThePath { directory, fifo, danglingLink, linkLoop, hugeFile };

class PreferencesPathTest : public KestrelAppTest, public ::testing::WithParamInterface<AtThePath> {};

TEST_P(PreferencesPathTest, StartsWithTheDefaultsAndLeavesItAsItWas)
{
    const fs::path path = preferencesPath();
    fs::create_directories(path.parent_path());
    switch (GetParam()) {
    case AtThePath::directory:
        fs::create_directory(path);
        break;
    case AtThePath::fifo:
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        break;
    case AtThePath::danglingLink:
        fs::create_symlink("nowhere/preferences.json", path);
        break;
    case AtThePath::linkLoop:
        fs::create_symlink("preferences.json", path);
        break;
    case AtThePath::hugeFile: {
        // Settings that would put the keycaps top right, were they read.
        std::ofstream file(path);
        file << R"({"overlayPosition": "topRight")" << std::string(50 << 20, ' ') << "}";
        break;
    }
    }
    const PathState before = stateOf(path);
    start(true); // nothing read, so not even that onboarding was done
    input.tap(a);
    const Screenshot shot = settledScreenshot();
    ASSERT_FALSE(shot.changed.isNull());
    EXPECT_NEAR(shot.changed.center().x(), screenWidth / 2.0, 3) << "the default place, bottom centre";
    EXPECT_GT(shot.changed.top(), screenHeight / 2);
    if (GetParam() != AtThePath::danglingLink) {
        // Off and on, each seen to take effect: two writes refused.
        ASSERT_TRUE(switchOff([&] { pressHotKey(); }));
        pressHotKey();
        ASSERT_TRUE(tapUntilShown(a));
        EXPECT_EQ(saidTimes("cannot read the preferences file"), 1) << errors;
    }
    stop();
    EXPECT_EQ(stateOf(path), before) << "left exactly as it was";
}

INSTANTIATE_TEST_SUITE_P(Kestrel, PreferencesPathTest,
                         ::testing::Values(AtThePath::directory, AtThePath::fifo, AtThePath::danglingLink,
                                           AtThePath::linkLoop, AtThePath::hugeFile));

TEST_F(KestrelAppTest, APreferencesFileWithoutReadPermissionIsLeftAlone)
{
    const std::string settings = writePreferences(R"({"overlayPosition": "topRight"})");
    const fs::path path = preferencesPath();
    fs::permissions(path, fs::perms::none);
    if (::geteuid() == 0) {
        // Root reads everything: Kestrel runs as an ordinary user here.
        const passwd* nobody = ::getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        fs::permissions(config.path().toStdString(), fs::perms::all);
        fs::permissions(path.parent_path(), fs::perms::all);
        const uid_t uid = nobody->pw_uid;
        const gid_t gid = nobody->pw_gid;
        childSetup = [uid, gid] {
            if (::setgid(gid) != 0 || ::setuid(uid) != 0)
                ::_exit(127);
        };
    }
    start(true);
    input.tap(a);
    const Screenshot shot = settledScreenshot();
    EXPECT_GT(shot.changed.top(), screenHeight / 2) << "the defaults, not the file's top right";
    ASSERT_TRUE(switchOff([&] { pressHotKey(); }));
    pressHotKey();
    ASSERT_TRUE(tapUntilShown(a));
    EXPECT_EQ(saidTimes("cannot read the preferences file"), 1) << errors;
    stop();
    fs::permissions(path, fs::perms::owner_read);
    std::ifstream file(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), settings);
    EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator{}), 1);
}

TEST_F(KestrelAppTest, ADiskThatRefusesTheWriteLosesNothing)
{
    const std::string settings = writePreferences(R"({"overlayPosition": "topRight"})");
    childSetup = [] {
        const rlimit limit{16, 16}; // too small for any preferences file
        ::setrlimit(RLIMIT_FSIZE, &limit);
    };
    start();
    ASSERT_TRUE(switchOff([&] { pressHotKey(); })) << "the write fails, the switch still works";
    input.tap(a);
    EXPECT_TRUE(nothingShows());
    pressHotKey(); // on again
    ASSERT_TRUE(tapUntilShown(a));
    const Screenshot shot = settledScreenshot();
    ASSERT_FALSE(shot.changed.isNull());
    EXPECT_LT(shot.changed.bottom(), screenHeight / 2) << "the settings read are still in force";
    EXPECT_EQ(saidTimes("cannot save preferences"), 1) << errors;
    EXPECT_EQ(kestrel.state(), QProcess::Running);
    std::ifstream file(preferencesPath());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), settings) << "nothing lost on disk";
}

TEST_F(KestrelAppTest, AHotKeyAnotherProgramHoldsIsSaidOnceAndTheToggleStillWorks)
{
    // Another program has Ctrl+Alt+Super+Enter before Kestrel starts.
    xcb_connection_t* other = xcb_connect(server.display().c_str(), nullptr);
    ASSERT_EQ(xcb_connection_has_error(other), 0);
    const auto returnKeycode = static_cast<xcb_keycode_t>(returnKey + 8);
    const XcbPointer<xcb_generic_error_t> refused(xcb_request_check(
        other, xcb_grab_key_checked(other, 1, root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4,
                                    returnKeycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC)));
    ASSERT_FALSE(refused);

    start();
    EXPECT_EQ(kestrel.state(), QProcess::Running);
    EXPECT_EQ(saidTimes("Ctrl+Alt+Super+Enter is held by another program"), 1) << errors;
    EXPECT_EQ(saidTimes("\"kestrel --toggle\" still do"), 1) << errors;
    EXPECT_EQ(saidTimes("Ctrl+Alt+Super+Enter shows keys or stops"), 0) << "the tray line promises the hot key";

    // The combination goes to the program that holds it; Kestrel goes on showing keys.
    pressHotKey();
    EXPECT_TRUE(tapUntilShown(a));
    // kestrel --toggle switches it off and on.
    ASSERT_TRUE(switchOff([&] { EXPECT_EQ(launchAgain({"--toggle"}), 0); }));
    input.tap(a);
    EXPECT_TRUE(nothingShows());
    EXPECT_EQ(launchAgain({"--toggle"}), 0);
    EXPECT_TRUE(tapUntilShown(a));
    EXPECT_EQ(saidTimes("held by another program"), 1) << "said once";
    xcb_disconnect(other);
}

TEST_F(KestrelAppTest, TheSessionBusRestartingLeavesKeysShowingAndTheTrayItemComesBackToTheNewHost)
{
    PrivateBus bus;
    ASSERT_TRUE(bus.isRunning()) << bus.error();
    extraEnvironment[QStringLiteral("DBUS_SESSION_BUS_ADDRESS")] = bus.address();
    int hosts = 0;
    // A tray host of the test's own on the bus, on a connection that goes with the bus.
    const auto hostConnection = [&] {
        return QDBusConnection::connectToBus(bus.address(), QStringLiteral("tray-host-%1").arg(++hosts));
    };
    auto watcher = std::make_unique<FakeWatcher>(hostConnection());
    ASSERT_TRUE(watcher->isServing());
    start();
    ASSERT_TRUE(runEventLoopUntil([&] { return watcher->items.size() == 1; }, 10s)) << "registered with the host";
    const QString item = watcher->items.front();

    // The bus's daemon ends, and the tray host with it: keys show, the instance socket answers.
    watcher.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("tray-host-%1").arg(hosts));
    bus.stop();
    EXPECT_TRUE(tapUntilShown(a)) << "keys show while there is no bus";
    ASSERT_TRUE(switchOff([&] { EXPECT_EQ(launchAgain({"--toggle"}), 0); })) << "the socket answers";
    EXPECT_EQ(launchAgain({"--toggle"}), 0);
    EXPECT_TRUE(tapUntilShown(a));

    // A new daemon at the same address, and a host on it: the item comes back to it.
    ASSERT_TRUE(bus.start()) << bus.error();
    watcher = std::make_unique<FakeWatcher>(hostConnection());
    ASSERT_TRUE(watcher->isServing());
    ASSERT_TRUE(runEventLoopUntil([&] { return !watcher->items.isEmpty(); }, 10s)) << "the item comes back";
    EXPECT_EQ(watcher->items, QStringList{item});
    ASSERT_TRUE(awaitClear());
    EXPECT_TRUE(tapUntilShown(a)) << "keys show on";
    ASSERT_TRUE(switchOff([&] { EXPECT_EQ(launchAgain({"--toggle"}), 0); }));
    EXPECT_EQ(kestrel.state(), QProcess::Running);
    watcher.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("tray-host-%1").arg(hosts));
}

TEST_F(KestrelAppTest, TwentyThousandRandomEventsLeaveNothingBehind)
{
    start();
    // Keys, modifiers (not all three of the hot key's at once, which would switch Kestrel
    // off), caps lock, buttons and scroll steps, in random order, releases missing at random;
    // no space bar, which ends the storm.
    enum : std::uint32_t { one = 2, tab = 15, backspace = 14, space = 57, capsLock = 58, f1 = 59, left = 105 };
    enum : std::uint32_t { leftShift = 42 };
    const std::vector<std::uint32_t> keys{a,  c,    one,       tab,         backspace, capsLock,
                                          f1, left, leftShift, leftControl, leftAlt};
    std::mt19937 random(20'000);
    std::set<std::uint32_t> heldKeys;
    std::set<std::uint8_t> heldButtons;
    for (int event = 0; event < 20'000; ++event) {
        const auto choice = random() % 10;
        if (choice < 6) {
            const std::uint32_t key = keys[random() % keys.size()];
            const bool down = !heldKeys.contains(key) || random() % 4 == 0; // sometimes pressed again
            input.keyAsync(key, down);
            if (down)
                heldKeys.insert(key);
            else
                heldKeys.erase(key);
        } else if (choice < 8) {
            const auto button = static_cast<std::uint8_t>(1 + random() % 3);
            const bool down = !heldButtons.contains(button);
            input.buttonAsync(button, down);
            if (down)
                heldButtons.insert(button);
            else
                heldButtons.erase(button);
        } else {
            const auto step = static_cast<std::uint8_t>(4 + random() % 4);
            input.buttonAsync(step, true);
            input.buttonAsync(step, false);
        }
        if (event % 100 == 0) {
            input.sync();
            runEventLoop(1ms); // a breath for the main loop now and then, as a fast typist leaves
        }
    }
    for (std::uint32_t key : heldKeys)
        input.keyAsync(key, false);
    for (std::uint8_t button : heldButtons)
        input.buttonAsync(button, false);
    input.sync();
    ASSERT_EQ(kestrel.state(), QProcess::Running);

    // Kestrel reads input far faster than anyone types, yet it may still be behind the burst.
    // The space bar, which the storm never pressed, comes after everything: once its keycap
    // (the widest there is) shows alone, Kestrel has read it all and nothing is held.
    input.tap(space);
    ASSERT_TRUE(runEventLoopUntil(
        [&] {
            const Screenshot shot = screenshot();
            return shot.blobs.size() == 1 && shot.blobs[0].width() > 250;
        },
        30s))
        << "the space bar's keycap never showed alone";
    // Within the display duration (1.5 s) and the fade, nothing is shown.
    EXPECT_TRUE(runEventLoopUntil([&] { return screenshot().changed.isNull(); }, 2500ms));
    EXPECT_EQ(kestrel.state(), QProcess::Running);
}

} // namespace
} // namespace kestrel::test
