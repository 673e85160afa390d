// Kestrel under faults: a display that goes away, preferences it cannot read or write, and
// a storm of input. It must stay up, leave the user's files alone and show nothing stale.

#include "app/KestrelAppFixture.h"

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
    wrongScreen.start(KESTREL_BINARY, {});
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
    runEventLoop(1s);
    ASSERT_EQ(kestrel.state(), QProcess::Running) << "Kestrel waits for the display";
    const long before = cpuTicks();
    runEventLoop(3s);
    EXPECT_LE(cpuTicks() - before, 3) << "no busy loop while the display is away";

    ASSERT_TRUE(server.restart()) << server.error();
    input.reconnect();
    connectToServer();
    awaitListening(); // the next key shows, and then goes
    EXPECT_EQ(saidTimes("went away"), 1) << errors;
    EXPECT_EQ(saidTimes("is back"), 1) << errors;
    EXPECT_EQ(kestrel.state(), QProcess::Running);
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

TEST_F(KestrelAppTest, StartsWithTheDefaultsWhateverIsAtThePreferencesPathAndLeavesItAlone)
{
    const fs::path path = preferencesPath();
    fs::create_directories(path.parent_path());
    const std::vector<std::pair<std::string, std::function<void()>>> cases{
        {"a directory", [&] { fs::create_directory(path); }},
        {"a FIFO", [&] { ::mkfifo(path.c_str(), 0600); }},
        {"a dangling symbolic link", [&] { fs::create_symlink("nowhere/preferences.json", path); }},
        {"a symbolic-link loop", [&] { fs::create_symlink("preferences.json", path); }},
        {"a file of 50 MB",
         [&] {
             // Settings that would put the keycaps top right, were they read.
             std::ofstream file(path);
             file << R"({"overlayPosition": "topRight")" << std::string(50 << 20, ' ') << "}";
         }},
    };
    for (const auto& [what, make] : cases) {
        SCOPED_TRACE(what);
        make();
        const PathState before = stateOf(path);
        ASSERT_NO_FATAL_FAILURE(start());
        input.tap(a);
        const Screenshot shot = settledScreenshot();
        ASSERT_FALSE(shot.changed.isNull());
        EXPECT_NEAR(shot.changed.center().x(), screenWidth / 2.0, 3) << "the default place, bottom centre";
        EXPECT_GT(shot.changed.top(), screenHeight / 2);
        if (what != "a dangling symbolic link") {
            pressHotKey(); // off and on: two writes refused
            pressHotKey();
            EXPECT_EQ(saidTimes("cannot read the preferences file"), 1) << errors;
        }
        stop();
        EXPECT_EQ(stateOf(path), before) << "left exactly as it was";
        fs::remove_all(path);
    }
}

TEST_F(KestrelAppTest, APreferencesFileWithoutReadPermissionIsLeftAlone)
{
    writePreferences(R"({"overlayPosition": "topRight"})");
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
    start();
    input.tap(a);
    const Screenshot shot = settledScreenshot();
    EXPECT_GT(shot.changed.top(), screenHeight / 2) << "the defaults, not the file's top right";
    pressHotKey();
    pressHotKey();
    EXPECT_EQ(saidTimes("cannot read the preferences file"), 1) << errors;
    stop();
    fs::permissions(path, fs::perms::owner_read);
    std::ifstream file(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), R"({"overlayPosition": "topRight"})");
    EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), fs::directory_iterator{}), 1);
}

TEST_F(KestrelAppTest, ADiskThatRefusesTheWriteLosesNothing)
{
    const std::string settings = R"({"overlayPosition": "topRight"})";
    writePreferences(settings);
    childSetup = [] {
        const rlimit limit{16, 16}; // too small for any preferences file
        ::setrlimit(RLIMIT_FSIZE, &limit);
    };
    start();
    pressHotKey(); // off: the write fails, the switch still works
    runEventLoop(300ms);
    input.tap(a);
    EXPECT_TRUE(settledScreenshot().changed.isNull());
    pressHotKey(); // on again
    runEventLoop(300ms);
    input.tap(a);
    const Screenshot shot = settledScreenshot();
    ASSERT_FALSE(shot.changed.isNull());
    EXPECT_LT(shot.changed.bottom(), screenHeight / 2) << "the settings read are still in force";
    EXPECT_EQ(saidTimes("cannot save preferences"), 1) << errors;
    EXPECT_EQ(kestrel.state(), QProcess::Running);
    std::ifstream file(preferencesPath());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), settings) << "nothing lost on disk";
}

TEST_F(KestrelAppTest, TwentyThousandRandomEventsLeaveNothingBehind)
{
    start();
    // Keys, modifiers (not all three of the hot key's at once, which would switch Kestrel
    // off), caps lock, buttons and scroll steps, in random order, releases missing at random.
    enum : std::uint32_t { one = 2, tab = 15, backspace = 14, space = 57, capsLock = 58, f1 = 59, left = 105 };
    enum : std::uint32_t { leftShift = 42 };
    const std::vector<std::uint32_t> keys{a,        c,  one,  tab,       backspace,   space,
                                          capsLock, f1, left, leftShift, leftControl, leftAlt};
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
            runEventLoop(1ms);
        }
    }
    for (std::uint32_t key : heldKeys)
        input.keyAsync(key, false);
    for (std::uint8_t button : heldButtons)
        input.buttonAsync(button, false);
    input.sync();
    ASSERT_EQ(kestrel.state(), QProcess::Running);

    // Kestrel reads the burst far faster than anyone types, but it may still be behind: wait
    // until it has read everything (its processor time stands still), then everything is up
    // and within the display duration (1.5 s) and the fade, nothing is shown.
    long ticks = cpuTicks();
    ASSERT_TRUE(runEventLoopUntil(
        [&] {
            runEventLoop(200ms);
            return std::exchange(ticks, cpuTicks()) == ticks;
        },
        30s))
        << "Kestrel never caught up";
    EXPECT_TRUE(runEventLoopUntil([&] { return screenshot().changed.isNull(); }, 2500ms));
    EXPECT_EQ(kestrel.state(), QProcess::Running);
}

} // namespace
} // namespace kestrel::test
