// Password fields as a user meets them: a GTK 3 and a Qt window on a private X server with
// their own accessibility bus, a click or a Tab into the password field and a key typed at
// once through XTest, faster than any person types. Nothing typed there may reach the screen;
// everything typed into the normal field must.

#include "app/KestrelAppFixture.h"
#include "input/PasswordGuard.h"
#include "support/a11y/AccessibilityBus.h"

#include <chrono>

namespace kestrel::test {
namespace {

constexpr std::uint32_t keyX = 45;
constexpr std::uint32_t tabKey = 15;
constexpr int tries = 50;
// Between two looks at the screen while watching for a keycap, which stays far longer. A
// screenshot costs the machine: looking all the time would slow the applications down more
// than anything a user runs beside them.
constexpr auto lookInterval = 40ms;

enum class Trigger { click, tab };

struct Case {
    PasswordFieldsApp::Toolkit toolkit;
    Trigger trigger;
};

class KestrelPasswordFieldsTest : public KestrelAppTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(KestrelAppTest::SetUp());
        runtime = config.path() + "/runtime";
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        bus = std::make_unique<AccessibilityBus>(server.display(), runtime);
        ASSERT_TRUE(bus->isRunning()) << bus->error();
        extraEnvironment[QStringLiteral("DBUS_SESSION_BUS_ADDRESS")] = bus->sessionBusAddress();
        // Clicks show no keycap of their own here, and keycaps go quickly.
        writePreferences(R"({"showClicksAndScrolling": false, "displayDuration": 0.4})");
    }

    void TearDown() override
    {
        app.reset();
        stop();
        bus.reset();
        KestrelAppTest::TearDown();
    }

    // Kestrel's keycaps, below the test window at the top left.
    std::vector<QRect> keycaps()
    {
        std::vector<QRect> found;
        for (const QRect& blob : screenshot().blobs) {
            if (blob.top() > screenHeight / 3)
                found.push_back(blob);
        }
        return found;
    }
    bool keycapOnScreen() { return !keycaps().empty(); }
    // The keycap of x, told from Tab's (which shows, as it should) by its width.
    bool showsX()
    {
        for (const QRect& keycap : keycaps()) {
            if (std::abs(keycap.width() - xWidth) <= 2)
                return true;
        }
        return false;
    }
    // The width of a key's keycap, typed where it goes nowhere.
    int measure(std::uint32_t key)
    {
        input.tap(key);
        int width = 0;
        runEventLoopUntil(
            [&] {
                const auto found = keycaps();
                width = found.empty() ? 0 : found.front().width();
                return width > 0;
            },
            2s);
        runEventLoop(100ms); // grown to full size
        if (const auto found = keycaps(); !found.empty())
            width = found.front().width();
        runEventLoopUntil([&] { return !keycapOnScreen(); }, 5s);
        return width;
    }

    // The trigger, then a key at once, as one burst the server takes in a row.
    void moveFocusAndType(int x, int y, Trigger trigger)
    {
        if (trigger == Trigger::click) {
            input.moveTo(x, y);
            input.buttonAsync(1, true);
            input.buttonAsync(1, false);
        } else {
            input.keyAsync(tabKey, true);
            input.keyAsync(tabKey, false);
        }
        input.keyAsync(keyX, true);
        input.keyAsync(keyX, false);
        input.sync();
    }

    // The test window, then Kestrel, listening and watching the accessibility bus.
    void startWith(PasswordFieldsApp::Toolkit toolkit)
    {
        // Chromium shows its pages to the accessibility bus only with the desktop's switch on.
        if (toolkit == PasswordFieldsApp::Toolkit::chromium) {
            ASSERT_TRUE(bus->setEnabled(true));
        }
        app = std::make_unique<PasswordFieldsApp>(toolkit, server.display(), bus->sessionBusAddress());
        ASSERT_TRUE(app->isReady()) << app->said();
        // The screen with the window is what Kestrel's keycaps are told apart from. Without a
        // window manager the keyboard follows the pointer: away from the window, the keys that
        // show Kestrel is listening go nowhere.
        runEventLoop(300ms);
        takeBaseline();
        input.moveTo(screenWidth / 2, screenHeight / 2);
        ASSERT_NO_FATAL_FAILURE(start());
        ASSERT_EQ(saidTimes("password fields cannot be detected"), 0) << errors;
        ASSERT_TRUE(app->clear()); // of the keys that showed Kestrel was listening
        xWidth = measure(keyX);
        ASSERT_GT(xWidth, 0);
        ASSERT_GT(std::abs(measure(tabKey) - xWidth), 8) << "x and Tab must be told apart";
    }

    // From the normal field into the password field and a key at once, `count` times: how
    // often the key showed.
    int leaksTypingIntoPasswordField(int count, Trigger trigger)
    {
        int leaks = 0;
        for (int attempt = 0; attempt < count; ++attempt) {
            if (!app->clear() || !app->focus("normal")) {
                ADD_FAILURE() << "the test window does not answer: " << app->said();
                return -1;
            }
            // As long as a person takes between two clicks at the least: reports of the focus
            // change before are in, and only the click's own can come late.
            runEventLoop(150ms);
            moveFocusAndType(app->passwordX, app->passwordY, trigger);
            if (!app->awaitLength("password", 1)) {
                ADD_FAILURE() << "the key did not land in the password field: " << app->said();
                return -1;
            }
            // Long enough for a held key to come out, were it to: held keys that no report of
            // the focus releases go when the focus has had time to land.
            if (runEventLoopUntil([&] { return showsX(); }, PasswordGuard::transitionLimit + 100ms, lookInterval))
                ++leaks;
            runEventLoopUntil([&] { return !keycapOnScreen(); }, 5s, lookInterval);
        }
        return leaks;
    }

    QString runtime;
    std::unique_ptr<AccessibilityBus> bus;
    std::unique_ptr<PasswordFieldsApp> app;
    int xWidth = 0;
};

std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    const char* toolkit = "Chromium";
    if (info.param.toolkit == PasswordFieldsApp::Toolkit::gtk3)
        toolkit = "Gtk3";
    else if (info.param.toolkit == PasswordFieldsApp::Toolkit::qt)
        toolkit = "Qt";
    return std::string(toolkit) + (info.param.trigger == Trigger::click ? "Click" : "Tab");
}

void PrintTo(const Case& value, std::ostream* out)
{
    *out << caseName(::testing::TestParamInfo<Case>(value, 0));
}

class PasswordFieldsByToolkit : public KestrelPasswordFieldsTest, public ::testing::WithParamInterface<Case> {};

TEST_P(PasswordFieldsByToolkit, NothingTypedIntoThePasswordFieldShowsAndEverythingInTheNormalOneDoes)
{
    const auto [toolkit, trigger] = GetParam();
    ASSERT_NO_FATAL_FAILURE(startWith(toolkit));
    EXPECT_EQ(leaksTypingIntoPasswordField(tries, trigger), 0)
        << "of " << tries << " keys typed into the password field";

    // The other way round: every key typed into the normal field shows.
    int shown = 0;
    const int normalTries = 5;
    for (int attempt = 0; attempt < normalTries; ++attempt) {
        ASSERT_TRUE(app->clear());
        ASSERT_TRUE(app->focus("password"));
        runEventLoop(150ms);
        if (trigger == Trigger::click) {
            moveFocusAndType(app->normalX, app->normalY, trigger);
        } else {
            input.chord({42}, tabKey); // Shift-Tab, back up to the normal field
            input.tap(keyX);
        }
        ASSERT_TRUE(app->awaitLength("normal", 1)) << app->said();
        if (runEventLoopUntil([&] { return showsX(); }, 2s, lookInterval))
            ++shown;
        runEventLoopUntil([&] { return !keycapOnScreen(); }, 5s, lookInterval);
    }
    EXPECT_EQ(shown, normalTries);
}

TEST_F(KestrelPasswordFieldsTest, AnAccessibilityBusThatGoesAndComesBackIsFollowed)
{
    ASSERT_NO_FATAL_FAILURE(startWith(PasswordFieldsApp::Toolkit::gtk3));
    bus->stopAccessibilityBus();
    EXPECT_TRUE(runEventLoopUntil([&] { return saidTimes("the accessibility bus has gone") == 1; }, 5s)) << errors;
    EXPECT_EQ(kestrel.state(), QProcess::Running);

    bus->startAccessibilityBus();
    ASSERT_TRUE(bus->isRunning()) << bus->error();
    // The window speaks to the new bus once it is restarted, as on a desktop after a crash.
    app = std::make_unique<PasswordFieldsApp>(PasswordFieldsApp::Toolkit::gtk3, server.display(),
                                              bus->sessionBusAddress());
    ASSERT_TRUE(app->isReady()) << app->said();
    runEventLoop(300ms);
    EXPECT_EQ(leaksTypingIntoPasswordField(10, Trigger::click), 0);
    EXPECT_EQ(saidTimes("the accessibility bus has gone"), 1);
}

INSTANTIATE_TEST_SUITE_P(Kestrel, PasswordFieldsByToolkit,
                         ::testing::Values(Case{PasswordFieldsApp::Toolkit::gtk3, Trigger::click},
                                           Case{PasswordFieldsApp::Toolkit::gtk3, Trigger::tab},
                                           Case{PasswordFieldsApp::Toolkit::qt, Trigger::click},
                                           Case{PasswordFieldsApp::Toolkit::qt, Trigger::tab},
                                           Case{PasswordFieldsApp::Toolkit::chromium, Trigger::click},
                                           Case{PasswordFieldsApp::Toolkit::chromium, Trigger::tab}),
                         caseName);

} // namespace
} // namespace kestrel::test
