// Password fields as a user meets them: a GTK 3 and a Qt window on a private X server with
// their own accessibility bus, a click or a Tab into the password field and a key typed at
// once through XTest, faster than any person types. Nothing typed there may reach the screen;
// everything typed into the normal field must. The GTK 3 window again under Openbox, where a
// window brought back to the front first names the field it was left in.

#include "input/PasswordGuard.h"
#include "integration/KestrelAppFixture.h"
#include "support/PersonsPace.h"
#include "support/a11y/AccessibilityBus.h"

#include <array>
#include <chrono>
#include <csignal>
#include <string_view>

#include <unistd.h>

namespace kestrel::test {
namespace {

constexpr std::uint32_t keyX = 45;
constexpr std::uint32_t tabKey = 15;
constexpr int tries = 50;
constexpr int openboxTries = 20;
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
        // Grown to full size: the same width at two looks in a row.
        int width = 0;
        runEventLoopUntil(
            [&] {
                const auto found = keycaps();
                const int before = std::exchange(width, found.empty() ? 0 : found.front().width());
                return width > 0 && width == before;
            },
            2s, lookInterval);
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
        ASSERT_NO_FATAL_FAILURE(leaveTestWindow());
        ASSERT_NO_FATAL_FAILURE(start());
        ASSERT_EQ(saidTimes("password fields cannot be detected"), 0) << errors;
        ASSERT_TRUE(app->clear()); // of the keys that showed Kestrel was listening
        xWidth = measure(keyX);
        ASSERT_GT(xWidth, 0);
        ASSERT_GT(std::abs(measure(tabKey) - xWidth), 8) << "x and Tab must be told apart";
    }

    // Takes the screen with the test window, which Kestrel's keycaps are told apart from, and
    // sends the keys that show Kestrel is listening where they change nothing on it. Without a
    // window manager the keyboard follows the pointer: away from the window, they go nowhere.
    virtual void leaveTestWindow()
    {
        ASSERT_TRUE(awaitStillScreen()) << "the screen does not hold still";
        takeBaseline();
        input.moveTo(screenWidth / 2, screenHeight / 2);
    }

    // Whether the screen holds still: as it was a moment before.
    bool awaitStillScreen()
    {
        std::vector<std::uint32_t> before;
        return runEventLoopUntil(
            [&] {
                std::vector<std::uint32_t> now = grab();
                const bool still = !now.empty() && now == before;
                before = std::move(now);
                return still;
            },
            5s, 200ms);
    }

    // A clean test window with the keyboard in `field`, and the time a person takes between
    // two clicks at the least: reports of the focus change before are in, and only the next
    // move's own can come late. False, said, when the window does not answer.
    bool startFrom(const char* field)
    {
        if (!app->clear() || !app->focus(field)) {
            ADD_FAILURE() << "the test window does not answer: " << app->said();
            return false;
        }
        runEventLoop(betweenTwoMoves);
        return true;
    }

    // From the normal field into the password field and a key at once, `count` times: how
    // often the key showed.
    int leaksTypingIntoPasswordField(int count, Trigger trigger)
    {
        int leaks = 0;
        for (int attempt = 0; attempt < count; ++attempt) {
            if (!startFrom("normal"))
                return -1;
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

    // The other way round, from the password field into the normal one: how often of `count`
    // the key showed.
    int shownTypingIntoNormalField(int count, Trigger trigger)
    {
        int shown = 0;
        for (int attempt = 0; attempt < count; ++attempt) {
            if (!startFrom("password"))
                return -1;
            if (trigger == Trigger::click) {
                moveFocusAndType(app->normalX, app->normalY, trigger);
            } else {
                input.chord({42}, tabKey); // Shift-Tab, back up to the normal field
                input.tap(keyX);
            }
            if (!app->awaitLength("normal", 1)) {
                ADD_FAILURE() << "the key did not land in the normal field: " << app->said();
                return -1;
            }
            if (runEventLoopUntil([&] { return showsX(); }, 2s, lookInterval))
                ++shown;
            runEventLoopUntil([&] { return !keycapOnScreen(); }, 5s, lookInterval);
        }
        return shown;
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
    const int normalTries = 5;
    EXPECT_EQ(shownTypingIntoNormalField(normalTries, trigger), normalTries);
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
    // Typing is guarded again once Kestrel listens on the new bus.
    ASSERT_TRUE(runEventLoopUntil([&] { return bus->hasListeners(); }, 5s)) << "Kestrel does not listen again";
    EXPECT_EQ(leaksTypingIntoPasswordField(10, Trigger::click), 0);
    EXPECT_EQ(saidTimes("the accessibility bus has gone"), 1);
}

// The GTK 3 window under Openbox, which brings the window clicked to the front and gives it
// the keyboard, beside a plain window of the test's own to leave it for.
class PasswordFieldsUnderOpenbox : public KestrelPasswordFieldsTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(KestrelPasswordFieldsTest::SetUp());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(server.display()));
        // Openbox as installed, with none of the user's settings.
        for (const char* folder : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
            environment.insert(QString::fromLatin1(folder), config.path() + QStringLiteral("/openbox"));
        windowManager.setProcessEnvironment(environment);
        windowManager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        windowManager.setStandardOutputFile(QProcess::nullDevice());
        // A process group of its own, so that whatever it starts ends with it.
        windowManager.setChildProcessModifier([] { ::setpgid(0, 0); });
        windowManager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        ASSERT_TRUE(windowManager.waitForStarted(5000)) << windowManager.errorString().toStdString();
        // Up once it names itself on the window the root points to, as window managers do.
        const bool managing = runEventLoopUntil(
            [&] { return property(windowIn(root, "_NET_SUPPORTING_WM_CHECK"), "_NET_WM_NAME") == "Openbox"; }, 10s,
            20ms);
        ASSERT_TRUE(managing) << "Openbox did not take over the screen";
    }

    void TearDown() override
    {
        KestrelPasswordFieldsTest::TearDown();
        if (windowManager.state() != QProcess::NotRunning) {
            ::kill(-static_cast<pid_t>(windowManager.processId()), SIGTERM);
            if (!windowManager.waitForFinished(5000))
                ::kill(-static_cast<pid_t>(windowManager.processId()), SIGKILL);
            windowManager.waitForFinished(2000);
        }
    }

    // A property's value as it is stored; empty when the window has none.
    std::string property(xcb_window_t window, const char* name)
    {
        const xcb_atom_t atom = x11::internAtom(connection, name);
        if (!window || atom == XCB_ATOM_NONE)
            return {};
        const XcbPointer<xcb_get_property_reply_t> value(xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr));
        if (!value)
            return {};
        return {static_cast<const char*>(xcb_get_property_value(value.get())),
                static_cast<std::size_t>(xcb_get_property_value_length(value.get()))};
    }

    // The window a property names (_NET_ACTIVE_WINDOW, say); 0 when none.
    xcb_window_t windowIn(xcb_window_t window, const char* name)
    {
        const std::string value = property(window, name);
        xcb_window_t named = 0;
        if (value.size() == sizeof named)
            std::memcpy(&named, value.data(), sizeof named);
        return named;
    }

    xcb_window_t parentOf(xcb_window_t window)
    {
        const XcbPointer<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
        return tree ? tree->parent : 0;
    }

    // The other window: plain white at the top right, away from the test window and the
    // keycaps, where it asks to be, and taking the keyboard when clicked.
    void openOtherWindow()
    {
        otherWindow = xcb_generate_id(connection);
        const std::uint32_t white = 0xffffff;
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, otherWindow, root, 1400, 60, 400, 200, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL, &white);
        const std::string title = "Kestrel test: another window";
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, otherWindow, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                            static_cast<std::uint32_t>(title.size()), title.data());
        std::array<std::uint32_t, 18> sizeHints{};
        sizeHints[0] = 1 | 2; // the user's position and size
        sizeHints[1] = 1400;
        sizeHints[2] = 60;
        sizeHints[3] = 400;
        sizeHints[4] = 200;
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, otherWindow, XCB_ATOM_WM_NORMAL_HINTS,
                            XCB_ATOM_WM_SIZE_HINTS, 32, static_cast<std::uint32_t>(sizeHints.size()), sizeHints.data());
        const std::array<std::uint32_t, 9> hints{1, 1}; // takes input
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, otherWindow, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32,
                            static_cast<std::uint32_t>(hints.size()), hints.data());
        xcb_map_window(connection, otherWindow);
        xcb_flush(connection);
    }

    // A click on the other window: whether it came to the front with the keyboard, and the
    // test window knows it lost it. Now and then Openbox lets a click right after another
    // pass without raising the window (a busy machine): clicked again then, as a user would.
    bool leaveForOtherWindow()
    {
        for (int click = 0; click < 3; ++click) {
            clickAt(frameOf(otherWindow).center());
            if (runEventLoopUntil([&] { return windowIn(root, "_NET_ACTIVE_WINDOW") == otherWindow; }, 2s))
                return app->awaitFocus("none");
        }
        return false;
    }

    // Openbox gives the keyboard to the active window, wherever the pointer is: the keys that
    // show Kestrel is listening go to the other window, which draws nothing. The test window,
    // left for it, no longer changes.
    void leaveTestWindow() override
    {
        openOtherWindow();
        const bool framed =
            runEventLoopUntil([&] { return isViewable(otherWindow) && parentOf(otherWindow) != root; }, 5s);
        ASSERT_TRUE(framed) << "Openbox did not frame the other window";
        ASSERT_TRUE(leaveForOtherWindow()) << "the other window did not take the keyboard: " << app->said();
        ASSERT_TRUE(awaitStillScreen()) << "the screen does not hold still";
        takeBaseline();
    }

    // `count` times: the test window left for the other one from its password field, then a
    // click on `field` and a key as soon as the field has the keyboard. How often the key
    // showed.
    int shownComingBackTo(const char* field, int count)
    {
        const bool password = std::string_view(field) == "password";
        const QPoint target = password ? QPoint(app->passwordX, app->passwordY) : QPoint(app->normalX, app->normalY);
        int shown = 0;
        for (int attempt = 0; attempt < count; ++attempt) {
            if (!app->clear()) {
                ADD_FAILURE() << "the test window does not answer: " << app->said();
                return -1;
            }
            clickAt({app->passwordX, app->passwordY});
            if (!app->awaitFocus("password") || !leaveForOtherWindow()) {
                ADD_FAILURE() << "the test window was not left from its password field: " << app->said();
                return -1;
            }
            clickAt(target);
            if (!app->awaitFocus(field)) {
                ADD_FAILURE() << "the click did not bring the keyboard to the " << field << " field: " << app->said();
                return -1;
            }
            input.tap(keyX);
            if (!app->awaitLength(field, 1)) {
                // Now and then Openbox takes the window's focus away and back right after the
                // click, and the key reaches no field: it says nothing of either, so the try is
                // made again (a few times at most).
                const char* other = password ? "normal" : "password";
                if (lostKeys < 3 && !app->awaitLength(other, 1, 200)) {
                    ++lostKeys;
                    --attempt;
                    runEventLoopUntil([&] { return !keycapOnScreen(); }, 5s, lookInterval);
                    continue;
                }
                ADD_FAILURE() << "the key did not land in the " << field << " field: " << app->said();
                return -1;
            }
            // As long as a held key can wait, and then some: a key into the password field
            // must not come out even late.
            if (runEventLoopUntil([&] { return showsX(); }, PasswordGuard::transitionLimit + 500ms, lookInterval))
                ++shown;
            runEventLoopUntil([&] { return !keycapOnScreen(); }, 5s, lookInterval);
        }
        return shown;
    }

    QProcess windowManager;
    xcb_window_t otherWindow = 0;
    int lostKeys = 0; // typed while Openbox moved the focus, into no field
};

TEST_F(PasswordFieldsUnderOpenbox, BackInAWindowLeftInItsPasswordFieldTheClickedFieldDecides)
{
    ASSERT_NO_FATAL_FAILURE(startWith(PasswordFieldsApp::Toolkit::gtk3));
    // Brought to the front, the window names its password field again before the field
    // clicked: a key typed into the normal field shows all the same, every time.
    EXPECT_EQ(shownComingBackTo("normal", openboxTries), openboxTries);
    EXPECT_EQ(shownComingBackTo("password", openboxTries), 0)
        << "of " << openboxTries << " keys typed into the password field";
}

TEST_F(PasswordFieldsUnderOpenbox, TabIntoThePasswordFieldHidesTheKeyAndBackShowsIt)
{
    ASSERT_NO_FATAL_FAILURE(startWith(PasswordFieldsApp::Toolkit::gtk3));
    clickAt({app->normalX, app->normalY}); // back to the test window
    ASSERT_TRUE(app->awaitFocus("normal")) << app->said();
    EXPECT_EQ(leaksTypingIntoPasswordField(openboxTries, Trigger::tab), 0)
        << "of " << openboxTries << " keys typed into the password field";
    EXPECT_EQ(shownTypingIntoNormalField(openboxTries, Trigger::tab), openboxTries);
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
