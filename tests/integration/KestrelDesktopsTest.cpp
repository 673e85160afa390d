// Kestrel on the desktops people use, their real shells run headless: GNOME Shell with its
// AppIndicator tray, and Xfce's panel and compositing window manager. Judged by the shells' own
// screenshots, by where Kestrel's windows are, and by what reaches the application typed into.

#include "input/PasswordGuard.h"
#include "support/EventLoop.h"
#include "support/PersonsPace.h"
#include "support/ScreenChanges.h"
#include "support/a11y/AccessibilityBus.h"
#include "support/dbus/FakeLogind.h"
#include "support/desktops/GnomeShell.h"
#include "support/desktops/KWinSession.h"
#include "support/desktops/TrayHost.h"
#include "support/desktops/XfceSession.h"
#include "support/evdev/EvdevFifo.h"
#include "support/x11/XTestDriver.h"
#include "support/x11/XWindows.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>

#include <linux/input.h>

#include <functional>

namespace kestrel::test {
namespace {

using namespace std::chrono_literals;

const QColor windowColour(0x30, 0x60, 0xc0); // what the input log window paints

// Waits until the screen shows nothing but the input log window: it has covered the screen, or
// Kestrel's keycaps have gone from it.
bool awaitOnlyTheWindow(const std::function<QImage()>& screenshot)
{
    return runEventLoopUntil([&] { return changesFrom(screenshot(), windowColour).pixels == 0; }, 10s, 200ms);
}

// How the edges of what Kestrel drew in `area` fall, for a failure's message.
std::string edgesOf(const QImage& screen, const QRect& area)
{
    const SharpEdges edges = sharpEdges(screen, area);
    return "sharp edges in even columns " + std::to_string(edges.even) + ", in odd " + std::to_string(edges.odd);
}

// Kestrel as a desktop's session starts it, with keys from a FIFO and folders of its own.
class KestrelSession {
public:
    KestrelSession() { QDir().mkpath(m_folder.filePath(QStringLiteral("config/kestrel"))); }
    ~KestrelSession() { stop(); }

    // The preferences to start with; empty for a first launch.
    void setPreferences(const QString& json)
    {
        QFile file(m_folder.filePath(QStringLiteral("config/kestrel/preferences.json")));
        file.open(QIODevice::WriteOnly);
        file.write(json.toUtf8());
    }

    QProcessEnvironment environment(QProcessEnvironment session) const
    {
        session.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder.filePath(QStringLiteral("config")));
        session.insert(QStringLiteral("XDG_STATE_HOME"), m_folder.filePath(QStringLiteral("state")));
        session.insert(QStringLiteral("KESTREL_EVDEV_STREAM"), m_keys.path());
        return session;
    }

    // Keys come from the FIFO on a Wayland session (opening it waits for Kestrel to read).
    bool start(const QProcessEnvironment& session)
    {
        m_process.setProcessEnvironment(environment(session));
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(QStringLiteral(KESTREL_BINARY), {});
        const bool wayland = session.value(QStringLiteral("XDG_SESSION_TYPE")) == QStringLiteral("wayland");
        return m_process.waitForStarted() && (!wayland || m_keys.open());
    }

    // A later launch of `kestrel`: its exit status.
    int launchAgain(const QProcessEnvironment& session, const QStringList& arguments)
    {
        QProcess again;
        again.setProcessEnvironment(environment(session));
        again.start(QStringLiteral(KESTREL_BINARY), arguments);
        return again.waitForFinished(10000) && again.exitStatus() == QProcess::NormalExit ? again.exitCode() : -1;
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }

    // What Kestrel said on its standard error so far.
    std::string said()
    {
        m_said += m_process.readAllStandardError().toStdString();
        return m_said;
    }

    // Holds the keys down until keycaps show over the window below (pressed again and again:
    // Kestrel may still be starting); where they show.
    Changes holdUntilShown(std::initializer_list<std::uint16_t> codes, const std::function<QImage()>& screenshot)
    {
        Changes shown;
        runEventLoopUntil(
            [&] {
                for (const std::uint16_t code : codes)
                    m_keys.key(code, 1);
                shown = changesFrom(screenshot(), windowColour);
                return shown.pixels > 2000;
            },
            15s, 250ms);
        return shown;
    }

    // Whether Kestrel ends within a few seconds (or has ended already).
    bool awaitEnd() { return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(5000); }

    QProcess& process() { return m_process; }
    EvdevFifo& keys() { return m_keys; }

private:
    QTemporaryDir m_folder;
    EvdevFifo m_keys{m_folder.filePath(QStringLiteral("keys"))};
    QProcess m_process;
    std::string m_said;
};

// The session's logind, as a desktop has it (Kestrel asks it whether the screen is locked), on
// a thread of its own, answering on the shell's system bus.
class SessionLogind {
public:
    explicit SessionLogind(const QString& systemBus)
        : m_name(QStringLiteral("logind-%1").arg(++instances)),
          m_logind(QDBusConnection::connectToBus(systemBus, m_name))
    {
        m_thread.start();
        m_logind.moveToThread(&m_thread);
    }
    ~SessionLogind()
    {
        m_thread.quit();
        m_thread.wait();
        QDBusConnection::disconnectFromBus(m_name);
    }

private:
    static inline int instances = 0;
    QString m_name;
    QThread m_thread;
    FakeLogind m_logind;
};

// A window over the whole screen that says what reaches it ("ready", "key X").
class InputLogWindow {
public:
    ~InputLogWindow()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            m_process.waitForFinished(5000);
        }
    }

    bool open(QProcessEnvironment environment, const char* platform)
    {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
        m_process.setProcessEnvironment(environment);
        m_process.start(QStringLiteral(KESTREL_INPUT_LOG_WINDOW), {});
        return m_process.waitForStarted() && awaitSaid("ready");
    }

    bool awaitSaid(const std::string& line)
    {
        return runEventLoopUntil(
            [&] {
                m_said += m_process.readAllStandardOutput().toStdString();
                return m_said.find(line + "\n") != std::string::npos;
            },
            10s);
    }

    const std::string& said() const { return m_said; }

private:
    QProcess m_process;
    std::string m_said;
};

// A person typing into the GTK 3 form with a normal field above a password field, on a
// Wayland desktop: every key and click reaches the shell, for the form, and Kestrel's FIFO, as
// the kernel's devices hand them to both (Kestrel first). Kestrel's keycaps are watched in
// `keycapArea` of the shell's screenshots.
class FormTypist {
public:
    struct Shell {
        std::function<bool(int x, int y)> click;
        std::function<bool(std::uint32_t code, std::initializer_list<std::uint32_t> held)> tap;
        std::function<QImage()> screenshot;
        // On X11, where Kestrel reads the server's keys rather than the stream: a key pressed or
        // let go there (for measuring keycaps).
        std::function<void(std::uint32_t code, bool down)> serverKey = {};
        // A window manager that takes clicks before the window (xfwm4, to raise it) hands a
        // click on after keys sent behind it: the key waits until the form says the click
        // moved its focus, as a person's finger would.
        bool clicksLandLate = false;
    };
    enum class Trigger { click, tab };

    FormTypist(Shell shell, EvdevFifo& keys, PasswordFieldsApp& form, QRect keycapArea)
        : m_shell(std::move(shell)), m_keys(keys), m_form(form), m_area(keycapArea)
    {}

    // Learns what the area shows without keycaps, and the sizes of x's keycap and Tab's.
    bool start()
    {
        QImage previous;
        const bool still = runEventLoopUntil(
            [&] {
                m_empty = m_shell.screenshot().copy(m_area);
                return std::exchange(previous, m_empty) == m_empty;
            },
            10s, 200ms);
        m_x = measure(KEY_X);
        const QSize tab = measure(KEY_TAB);
        return still && m_x.isValid() && std::abs(tab.width() - m_x.width()) > 8;
    }

    // `count` times: the keyboard put in `from` by the form itself, a person's pace, then the
    // trigger into the other field and x at once. How often x's keycap showed; -1 when a key
    // did not land where it should (said as a failure).
    int shownMovingFrom(const char* from, Trigger trigger, int count)
    {
        const bool intoPassword = std::string_view(from) == "normal";
        const char* to = intoPassword ? "password" : "normal";
        int shown = 0;
        for (int attempt = 0; attempt < count; ++attempt) {
            if (!m_form.clear() || !m_form.focus(from)) {
                ADD_FAILURE() << "the form does not answer: " << m_form.said();
                return -1;
            }
            runEventLoop(betweenTwoMoves);
            bool taken = false;
            if (trigger == Trigger::click) {
                press(BTN_LEFT);
                taken = m_shell.click(intoPassword ? m_form.passwordX : m_form.normalX,
                                      intoPassword ? m_form.passwordY : m_form.normalY) &&
                        (!m_shell.clicksLandLate || m_form.awaitFocus(to));
            } else if (intoPassword) {
                press(KEY_TAB);
                taken = m_shell.tap(KEY_TAB, {});
            } else {
                m_keys.key(KEY_LEFTSHIFT, 1);
                press(KEY_TAB);
                m_keys.key(KEY_LEFTSHIFT, 0);
                taken = m_shell.tap(KEY_TAB, {KEY_LEFTSHIFT});
            }
            press(KEY_X);
            if (!taken || !m_shell.tap(KEY_X, {})) {
                ADD_FAILURE() << "the shell took no input, or a click did not move the focus: " << m_form.said();
                return -1;
            }
            if (!m_form.awaitLength(to, 1)) {
                ADD_FAILURE() << "x did not land in the " << to << " field: " << m_form.said();
                return -1;
            }
            // Long enough for a held key to come out, were it to.
            if (runEventLoopUntil([&] { return showsX(); }, PasswordGuard::transitionLimit + 200ms, 40ms))
                ++shown;
            runEventLoopUntil([&] { return keycaps().empty(); }, 5s, 40ms);
        }
        return shown;
    }

private:
    void press(std::uint16_t code)
    {
        m_keys.key(code, 1);
        m_keys.key(code, 0);
    }

    // The keycaps in the area, left to right: runs of columns that changed, each as high as
    // its changed rows reach.
    std::vector<QSize> keycaps()
    {
        const QImage now = m_shell.screenshot().copy(m_area);
        std::vector<QSize> found;
        if (now.size() != m_empty.size())
            return found;
        QRect run;
        for (int x = 0; x <= now.width(); ++x) {
            QRect column;
            for (int y = 0; x < now.width() && y < now.height(); ++y) {
                if (differs(now.pixel(x, y), m_empty.pixel(x, y)))
                    column |= QRect(x, y, 1, 1);
            }
            if (!column.isNull()) {
                run |= column;
            } else if (!run.isNull()) {
                if (run.width() > 20)
                    found.push_back(run.size());
                run = QRect();
            }
        }
        return found;
    }

    // x's keycap at its full size: a keycap that grows or shrinks passes through its width,
    // never through both its width and height.
    bool showsX()
    {
        const std::vector<QSize> found = keycaps();
        return std::any_of(found.begin(), found.end(), [&](const QSize& size) {
            return std::abs(size.width() - m_x.width()) <= 2 && std::abs(size.height() - m_x.height()) <= 2;
        });
    }

    // The size of a key's keycap, typed to Kestrel alone, once it is grown to full size.
    QSize measure(std::uint16_t code)
    {
        const auto key = [&](bool down) {
            m_shell.serverKey ? m_shell.serverKey(code, down) : void(m_keys.key(code, down));
        };
        key(true);
        QSize size;
        QSize previous;
        runEventLoopUntil(
            [&] {
                const std::vector<QSize> found = keycaps();
                size = found.size() == 1 ? found.front() : QSize();
                return size.isValid() && std::exchange(previous, size) == size;
            },
            5s, 100ms);
        key(false);
        runEventLoopUntil([&] { return keycaps().empty(); }, 5s, 40ms);
        return size;
    }

    Shell m_shell;
    EvdevFifo& m_keys;
    PasswordFieldsApp& m_form;
    QRect m_area;
    QImage m_empty;
    QSize m_x;
};

// Nothing typed into the form's password field shows, and every key typed into its normal
// field does, right after a click or Tab into it, 20 times each way; Kestrel started in
// `session` on a screen that `size` large, its keycaps at the bottom left.
void typeIntoTheForm(PasswordFieldsApp& form, KestrelSession& kestrel, QSize size, FormTypist::Shell shell,
                     const QProcessEnvironment& session)
{
    kestrel.setPreferences(QStringLiteral(
        R"({"hasCompletedOnboarding": true, "overlayPosition": "bottomLeft", "showClicksAndScrolling": false,)"
        R"( "displayDuration": 0.4})"));
    ASSERT_TRUE(kestrel.start(session));
    // Below and left of the form, wherever the shell put it.
    const QRect keycaps(0, size.height() * 2 / 3, size.width() / 3, size.height() / 3 - 10);
    FormTypist typist(std::move(shell), kestrel.keys(), form, keycaps);
    ASSERT_TRUE(typist.start()) << "x's keycap and Tab's cannot be told apart";
    constexpr int tries = 20;
    for (const auto trigger : {FormTypist::Trigger::click, FormTypist::Trigger::tab}) {
        SCOPED_TRACE(trigger == FormTypist::Trigger::click ? "click" : "Tab");
        EXPECT_EQ(typist.shownMovingFrom("normal", trigger, tries), 0)
            << "of " << tries << " keys into the password field";
        EXPECT_EQ(typist.shownMovingFrom("password", trigger, tries), tries);
    }
    EXPECT_EQ(kestrel.said(), "");
}

// One GNOME Shell for the whole suite: it takes a few seconds to start.
class KestrelOnGnome : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        shell = new GnomeShell(width, height);
        logind = new SessionLogind(shell->systemBusAddress());
    }
    static void TearDownTestSuite()
    {
        delete logind;
        delete shell;
        shell = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(shell->isRunning()) << shell->error();
        windows.emplace(shell->xDisplay(), shell->xAuthority().toStdString());
        ASSERT_TRUE(windows->isConnected()) << "no connection to XWayland " << shell->xDisplay();
    }

    void TearDown() override { kestrel.stop(); }

    // A native Wayland window over the whole monitor, in the input log window's colour.
    void openFullScreenWindow()
    {
        ASSERT_TRUE(window.open(shell->clientEnvironment(), "wayland"));
        ASSERT_TRUE(awaitOnlyTheWindow([&] { return shell->screenshot(); }))
            << "the full-screen window never covered the monitor";
    }

    static constexpr int width = 1600;
    static constexpr int height = 900;
    static inline GnomeShell* shell = nullptr;
    static inline SessionLogind* logind = nullptr;
    std::optional<XWindows> windows;
    InputLogWindow window;
    KestrelSession kestrel;
};

TEST_F(KestrelOnGnome, KeycapsShowAtTheChosenPlaceOverAFullScreenWindowAndGoAfterTheDuration)
{
    ASSERT_NO_FATAL_FAILURE(openFullScreenWindow());
    kestrel.setPreferences(QStringLiteral(R"({"hasCompletedOnboarding": true, "overlayPosition": "topRight"})"));
    ASSERT_TRUE(kestrel.start(shell->clientEnvironment()));

    // Ctrl C held.
    const Changes shown = kestrel.holdUntilShown({KEY_LEFTCTRL, KEY_C}, [&] { return shell->screenshot(); });
    ASSERT_GT(shown.pixels, 2000) << "no keycaps over the full-screen window";
    EXPECT_GT(shown.area.left(), width / 2) << "in the top right corner";
    EXPECT_LT(shown.area.bottom(), height / 3) << "in the top right corner";

    kestrel.keys().key(KEY_C, 0);
    kestrel.keys().key(KEY_LEFTCTRL, 0);
    EXPECT_TRUE(awaitOnlyTheWindow([&] { return shell->screenshot(); })) << "the keycaps stay after the keys are up";
    EXPECT_EQ(kestrel.said(), "") << "nothing to say on a healthy desktop";
}

TEST_F(KestrelOnGnome, TheTrayIconOpensThePanelUnderItWhereTheBarWasClicked)
{
    kestrel.setPreferences(QStringLiteral(R"({"hasCompletedOnboarding": true})"));
    ASSERT_TRUE(kestrel.start(shell->clientEnvironment()));
    TrayHost bar(shell->bus());
    ASSERT_TRUE(bar.awaitKestrel()) << "Kestrel's icon is not in GNOME's tray";
    const QImage before = shell->screenshot();

    // The bar's click at the top right, as the extension reports it.
    const QPoint click(width - 60, 12);
    ASSERT_TRUE(bar.activate(click.x(), click.y()));
    ASSERT_TRUE(windows->await("Kestrel panel")) << "no panel";
    const QRect panel = *windows->find("Kestrel panel");
    EXPECT_GE(panel.top(), 20) << "below the top bar";
    EXPECT_LE(panel.top(), 48) << "right under the top bar";
    EXPECT_TRUE(panel.contains(QPoint(click.x(), panel.center().y()))) << "under the click, or kept on the monitor";
    EXPECT_LE(panel.right(), width - 1);

    // The shell shows it there.
    EXPECT_TRUE(runEventLoopUntil(
        [&] { return changesFrom(shell->screenshot(), before, panel).pixels > panel.width() * panel.height() / 2; }, 5s,
        100ms))
        << "the panel is not on the monitor";

    // A second activation closes it.
    ASSERT_TRUE(bar.activate(click.x(), click.y()));
    EXPECT_TRUE(windows->await("Kestrel panel", false));
}

TEST_F(KestrelOnGnome, AFirstLaunchWelcomesAndTheSettingsOpenOnAsking)
{
    ASSERT_TRUE(kestrel.start(shell->clientEnvironment()));
    EXPECT_TRUE(windows->await("Welcome to Kestrel")) << "no welcome window on a first launch";
    const QImage screen = shell->screenshot();
    const std::optional<QRect> welcome = windows->find("Welcome to Kestrel");
    ASSERT_TRUE(welcome);
    const QColor desktop(screen.pixel(width / 2, height - 5));
    EXPECT_TRUE(runEventLoopUntil(
        [&] {
            return changesFrom(shell->screenshot(), desktop, *welcome).pixels >
                   welcome->width() * welcome->height() / 2;
        },
        5s, 100ms))
        << "the shell does not show the welcome window";

    EXPECT_EQ(kestrel.launchAgain(shell->clientEnvironment(), {QStringLiteral("--settings")}), 0);
    EXPECT_TRUE(windows->await("General")) << "kestrel --settings opened no settings window";
}

TEST_F(KestrelOnGnome, APasswordFieldShowsNothingAndTheNormalFieldEveryKeyTypedRightAfterAClickOrTab)
{
    QProcessEnvironment authority;
    authority.insert(QStringLiteral("XAUTHORITY"), shell->xAuthority());
    PasswordFieldsApp form(PasswordFieldsApp::Toolkit::gtk3, shell->xDisplay(),
                           shell->clientEnvironment().value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")), authority);
    ASSERT_TRUE(form.isReady()) << form.said();
    // The form is an X client: clicked and typed into through XWayland (the shell's own remote
    // desktop input moves the pointer but reaches no window on a headless shell).
    XTestDriver input(shell->xDisplay(), shell->xAuthority().toStdString());
    ASSERT_TRUE(input.isConnected());
    typeIntoTheForm(form, kestrel, QSize(width, height),
                    {.click =
                         [&](int x, int y) {
                             input.moveTo(x, y);
                             input.click(1);
                             return input.isConnected();
                         },
                     .tap =
                         [&](std::uint32_t code, std::initializer_list<std::uint32_t> held) {
                             input.chord(held, code);
                             return input.isConnected();
                         },
                     .screenshot = [&] { return shell->screenshot(); }},
                    shell->clientEnvironment());
}

TEST_F(KestrelOnGnome, QuitInTheTrayMenuEndsKestrelWithStatusZero)
{
    kestrel.setPreferences(QStringLiteral(R"({"hasCompletedOnboarding": true})"));
    ASSERT_TRUE(kestrel.start(shell->clientEnvironment()));
    TrayHost bar(shell->bus());
    ASSERT_TRUE(bar.awaitKestrel());
    ASSERT_TRUE(bar.clickMenuEntry(QStringLiteral("Quit Kestrel")));
    ASSERT_TRUE(kestrel.awaitEnd()) << "Quit did not end Kestrel";
    EXPECT_EQ(kestrel.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(kestrel.process().exitCode(), 0);
}

// One Xfce for the whole suite.
class KestrelOnXfce : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session = new XfceSession(width, height); }
    static void TearDownTestSuite()
    {
        delete session;
        session = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(session->isRunning()) << session->error();
        windows.emplace(session->display());
        input.emplace(session->display());
        kestrel.setPreferences(QStringLiteral(R"({"hasCompletedOnboarding": true})"));
    }

    static constexpr int width = 1280;
    static constexpr int height = 800;
    static inline XfceSession* session = nullptr;
    std::optional<XWindows> windows;
    std::optional<XTestDriver> input;
    KestrelSession kestrel;
};

TEST_F(KestrelOnXfce, AClickOnTheIconInThePanelOpensThePanelUnderIt)
{
    ASSERT_TRUE(kestrel.start(session->clientEnvironment()));
    TrayHost bar(session->bus());
    ASSERT_TRUE(bar.awaitKestrel()) << "Kestrel's icon is not in Xfce's panel";

    // The icon is where the top panel changes when keys are switched off (a middle click).
    const QRect strip(0, 0, width, 40);
    QImage showing;
    QRect icon;
    // The panel's clock may turn to the next minute meanwhile, and the change is then not the
    // icon's alone: tried once more, the clock cannot turn again so soon.
    bool iconCameBack = false;
    for (int attempt = 0; attempt < 2 && !iconCameBack; ++attempt) {
        ASSERT_TRUE(runEventLoopUntil(
            [&] {
                showing = session->screenshot();
                return !showing.isNull();
            },
            5s));
        ASSERT_TRUE(bar.secondaryActivate(0, 0));
        ASSERT_TRUE(runEventLoopUntil(
            [&] {
                icon = changesFrom(session->screenshot(), showing, strip).area;
                return icon.width() >= 8;
            },
            5s, 100ms))
            << "switching keys off does not change an icon in the panel";
        ASSERT_TRUE(bar.secondaryActivate(0, 0));
        iconCameBack =
            runEventLoopUntil([&] { return changesFrom(session->screenshot(), showing, icon).pixels == 0; }, 5s, 100ms);
    }
    ASSERT_TRUE(iconCameBack) << "switching keys on again does not bring the icon back";

    // A real click on it, through the panel: the panel opens right under the icon.
    input->moveTo(icon.center().x(), icon.center().y());
    input->click(1);
    ASSERT_TRUE(windows->await("Kestrel panel")) << "a click on the icon opened no panel";
    const QRect panel = *windows->find("Kestrel panel");
    EXPECT_GE(panel.top(), icon.bottom()) << "under the icon";
    EXPECT_LE(panel.top(), icon.bottom() + 12) << "right under the panel";
    EXPECT_TRUE(panel.right() == width - 1 || std::abs(panel.center().x() - icon.center().x()) <= 2)
        << "centred under the icon, or kept on the screen";
    input->tap(1); // Escape
    EXPECT_TRUE(windows->await("Kestrel panel", false));
}

// Pixels where the keycaps' soft edges are mixed with the blue window below them.
int blended(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if ((pixel & 0xffffff) != (windowColour.rgb() & 0xffffff) && qBlue(pixel) > qRed(pixel) + 24)
                ++count;
        }
    }
    return count;
}

TEST_F(KestrelOnXfce, AtScaleTwoTheKeycapsAndTheSettingsAreDrawnAtTheScreensPixels)
{
    InputLogWindow window;
    ASSERT_TRUE(window.open(session->clientEnvironment(), "xcb"));
    const auto screenshot = [&] { return session->screenshot(); };
    ASSERT_TRUE(awaitOnlyTheWindow(screenshot)) << "the window never covered the screen";
    // A held until its keycap holds still: where it is, and how its edges fall.
    const auto keycapOfA = [&](std::string* edges) {
        Changes keycap;
        Changes previous;
        QImage screen;
        runEventLoopUntil(
            [&] {
                input->key(KEY_A, true);
                screen = screenshot();
                keycap = changesFrom(screen, windowColour);
                return keycap.pixels > 2000 && std::exchange(previous, keycap).area == keycap.area;
            },
            15s, 250ms);
        input->key(KEY_A, false);
        if (edges && !sharpEdges(screen, keycap.area).areBoth())
            *edges = edgesOf(screen, keycap.area);
        EXPECT_TRUE(awaitOnlyTheWindow(screenshot));
        return keycap.area;
    };
    ASSERT_TRUE(kestrel.start(session->clientEnvironment()));
    const QRect plain = keycapOfA(nullptr);
    ASSERT_FALSE(plain.isEmpty()) << "no keycap";
    kestrel.stop();

    // The screen's resources say 192 dots per inch, as a desktop at scale 2 sets them; put back
    // as they were after.
    const auto resources = [&](const QStringList& arguments, const QByteArray& input = {}) {
        QProcess xrdb;
        xrdb.setProcessEnvironment(session->clientEnvironment());
        xrdb.start(QStringLiteral("xrdb"), arguments);
        xrdb.write(input);
        xrdb.closeWriteChannel();
        return xrdb.waitForFinished(10000) && xrdb.exitCode() == 0 ? xrdb.readAllStandardOutput() : QByteArray();
    };
    const QByteArray before = resources({QStringLiteral("-query")});
    resources({QStringLiteral("-merge")}, "Xft.dpi: 192\n");
    const auto restore = qScopeGuard([&] {
        if (before.isEmpty())
            resources({QStringLiteral("-remove")});
        else
            resources({QStringLiteral("-load")}, before);
    });
    KestrelSession scaled;
    scaled.setPreferences(QStringLiteral(R"({"hasCompletedOnboarding": true})"));
    ASSERT_TRUE(scaled.start(session->clientEnvironment()));
    std::string blurred;
    const QRect doubled = keycapOfA(&blurred);
    EXPECT_NEAR(doubled.width(), 2 * plain.width(), 4);
    EXPECT_NEAR(doubled.height(), 2 * plain.height(), 4);
    EXPECT_EQ(blurred, "");

    EXPECT_EQ(scaled.launchAgain(session->clientEnvironment(), {QStringLiteral("--settings")}), 0);
    Changes settings;
    ASSERT_TRUE(runEventLoopUntil(
        [&] {
            settings = changesFrom(screenshot(), windowColour);
            return settings.area.width() > 1000;
        },
        10s, 200ms))
        << "no settings window twice as large";
    EXPECT_TRUE(sharpEdges(screenshot(), settings.area).areBoth()) << edgesOf(screenshot(), settings.area);
}

TEST_F(KestrelOnXfce, KeycapsBlendOverTheWindowTypedIntoWhichKeepsTheKeys)
{
    InputLogWindow window;
    ASSERT_TRUE(window.open(session->clientEnvironment(), "xcb"));
    ASSERT_TRUE(awaitOnlyTheWindow([&] { return session->screenshot(); })) << "the window never covered the screen";
    ASSERT_TRUE(kestrel.start(session->clientEnvironment()));
    // Kestrel may still be starting: pressed until it shows.
    Changes shown;
    ASSERT_TRUE(runEventLoopUntil(
        [&] {
            input->key(30, true); // A
            shown = changesFrom(session->screenshot(), windowColour);
            return shown.pixels > 2000;
        },
        15s, 250ms))
        << "no keycap over the window";
    EXPECT_GT(blended(session->screenshot(), shown.area), 20) << "the keycap's edges do not blend with the window";
    EXPECT_TRUE(window.awaitSaid("key a")) << "the window typed into lost the keys: " << window.said();
    input->key(30, false);
    EXPECT_TRUE(awaitOnlyTheWindow([&] { return session->screenshot(); }));
    EXPECT_EQ(kestrel.said(), "") << "nothing to say on a healthy desktop";
}

TEST_F(KestrelOnXfce, APasswordFieldShowsNothingAndTheNormalFieldEveryKeyTypedRightAfterAClickOrTab)
{
    PasswordFieldsApp form(PasswordFieldsApp::Toolkit::gtk3, session->display(),
                           session->clientEnvironment().value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS")));
    ASSERT_TRUE(form.isReady()) << form.said();
    typeIntoTheForm(form, kestrel, QSize(width, height),
                    {.click =
                         [&](int x, int y) {
                             input->moveTo(x, y);
                             input->click(1);
                             return input->isConnected();
                         },
                     .tap =
                         [&](std::uint32_t code, std::initializer_list<std::uint32_t> held) {
                             input->chord(held, code);
                             return input->isConnected();
                         },
                     .screenshot = [&] { return session->screenshot(); },
                     .serverKey = [&](std::uint32_t code, bool down) { input->key(code, down); },
                     .clicksLandLate = true},
                    session->clientEnvironment());
}

// One KWin for the whole suite, with Xfce's panel as its tray.
class KestrelOnKWin : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        session = new KWinSession(width, height);
        logind = new SessionLogind(session->systemBusAddress());
    }
    static void TearDownTestSuite()
    {
        delete logind;
        delete session;
        session = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(session->isRunning()) << session->error();
        kestrel.setPreferences(QStringLiteral(R"({"hasCompletedOnboarding": true, "overlayPosition": "bottomLeft"})"));
    }

    static constexpr int width = 1600;
    static constexpr int height = 900;
    static inline KWinSession* session = nullptr;
    static inline SessionLogind* logind = nullptr;
    KestrelSession kestrel;
};

TEST_F(KestrelOnKWin, TheOverlayIsALayerSurfaceInTheChosenCornerOverAFullScreenWindow)
{
    InputLogWindow window;
    ASSERT_TRUE(window.open(session->clientEnvironment(), "wayland"));
    ASSERT_TRUE(awaitOnlyTheWindow([&] { return session->screenshot(); }))
        << "the full-screen window never covered the output";
    ASSERT_TRUE(kestrel.start(session->clientEnvironment()));

    const Changes shown = kestrel.holdUntilShown({KEY_LEFTSHIFT, KEY_3}, [&] { return session->screenshot(); });
    ASSERT_GT(shown.pixels, 2000) << "no keycaps over the full-screen window";
    EXPECT_LT(shown.area.right(), width / 2) << "in the bottom left corner";
    EXPECT_GT(shown.area.top(), height * 2 / 3) << "in the bottom left corner";
    kestrel.keys().key(KEY_3, 0);
    kestrel.keys().key(KEY_LEFTSHIFT, 0);
    EXPECT_TRUE(awaitOnlyTheWindow([&] { return session->screenshot(); }));

    // A native client, registered in the tray; and, with a tray, logind and an accessibility
    // bus there, nothing to say (Qt's own tray icon warned on every start here).
    TrayHost bar(session->bus());
    EXPECT_TRUE(bar.awaitKestrel()) << "Kestrel's icon is not in the tray";
    EXPECT_EQ(kestrel.said(), "");
    QProcess version;
    version.setProcessEnvironment(kestrel.environment(session->clientEnvironment()));
    version.start(QStringLiteral(KESTREL_BINARY), {QStringLiteral("--version")});
    ASSERT_TRUE(version.waitForFinished(5000));
    EXPECT_TRUE(version.readAllStandardOutput().contains("Overlay: a Wayland layer surface"));
}

TEST_F(KestrelOnKWin, TheTrayIconOpensThePanelAtTheActivationPointAndItClosesAsAPopUpDoes)
{
    InputLogWindow window;
    ASSERT_TRUE(window.open(session->clientEnvironment(), "wayland"));
    ASSERT_TRUE(awaitOnlyTheWindow([&] { return session->screenshot(); }));
    ASSERT_TRUE(kestrel.start(session->clientEnvironment()));
    TrayHost bar(session->bus());
    ASSERT_TRUE(bar.awaitKestrel());

    // Activated near the top right, as a bar there reports it: the panel opens under the point.
    // (Xfce's bars, which KWin may raise over the window, are left out of the picture.)
    const QPoint click(width - 200, 40);
    const QRect betweenTheBars(0, 30, width, height - 130);
    const auto shown = [&] { return changesFrom(session->screenshot(), windowColour, betweenTheBars); };
    QRect panel;
    const auto openPanel = [&] {
        return bar.activate(click.x(), click.y()) && runEventLoopUntil(
                                                         [&] {
                                                             panel = shown().area;
                                                             return panel.height() > 150;
                                                         },
                                                         10s, 100ms);
    };
    const auto awaitClosed = [&] { return runEventLoopUntil([&] { return shown().pixels == 0; }, 10s, 100ms); };
    ASSERT_TRUE(openPanel()) << "no panel on the output";
    EXPECT_LE(std::abs(panel.top() - click.y()), 2) << "right under the point";
    EXPECT_LE(std::abs(panel.center().x() - click.x()), 2) << "centred under the point";

    // Escape closes it: it has the keyboard while it is open.
    ASSERT_TRUE(session->tap(KEY_ESC)) << "KWin offers no fake input";
    EXPECT_TRUE(awaitClosed()) << "Escape leaves the panel open";
    // So does a click elsewhere, which reaches the window clicked.
    ASSERT_TRUE(openPanel());
    ASSERT_TRUE(session->click(200, height - 200));
    EXPECT_TRUE(awaitClosed()) << "a click elsewhere leaves the panel open";
    EXPECT_TRUE(window.awaitSaid("press 200 700")) << window.said();
    // And a second activation.
    ASSERT_TRUE(openPanel());
    ASSERT_TRUE(bar.activate(click.x(), click.y()));
    EXPECT_TRUE(awaitClosed()) << "a second activation leaves the panel open";

    // The pointer lights the row it is over, and only that.
    ASSERT_TRUE(openPanel());
    const QImage closedPicture = session->screenshot().copy(panel);
    const QPoint overQuit(panel.center().x(), panel.bottom() - 15);
    ASSERT_TRUE(session->moveTo(overQuit.x(), overQuit.y()));
    QRect lit;
    EXPECT_TRUE(runEventLoopUntil(
        [&] {
            lit = changesFrom(session->screenshot().copy(panel), closedPicture).area.translated(panel.topLeft());
            return lit.width() > panel.width() / 2;
        },
        5s, 100ms))
        << "no row lit under the pointer";
    EXPECT_TRUE(lit.contains(overQuit) && lit.height() < 40) << "not the row under the pointer";
    // A click on the switch switches keys off (the switch changes), and Control Q quits.
    const QImage onPicture = session->screenshot().copy(panel);
    const QPoint theSwitch(panel.right() - 28, panel.top() + 18);
    ASSERT_TRUE(session->click(theSwitch.x(), theSwitch.y()));
    EXPECT_TRUE(runEventLoopUntil(
        [&] {
            const QRect changed = changesFrom(session->screenshot().copy(panel), onPicture).area;
            return changed.translated(panel.topLeft()).contains(theSwitch);
        },
        5s, 100ms))
        << "a click on the switch did not switch it";
    ASSERT_TRUE(session->tap(KEY_Q, {KEY_LEFTCTRL}));
    ASSERT_TRUE(kestrel.awaitEnd()) << "Control Q in the panel did not end Kestrel";
    EXPECT_EQ(kestrel.process().exitCode(), 0);
    EXPECT_EQ(kestrel.said(), "");
}

TEST_F(KestrelOnKWin, APasswordFieldShowsNothingAndTheNormalFieldEveryKeyTypedRightAfterAClickOrTab)
{
    // Through XWayland, clicked and typed into through KWin's fake input.
    PasswordFieldsApp form(PasswordFieldsApp::Toolkit::gtk3, session->xDisplay(), session->sessionBusAddress());
    ASSERT_TRUE(form.isReady()) << form.said();
    typeIntoTheForm(
        form, kestrel, QSize(width, height),
        {.click = [&](int x, int y) { return session->click(x, y); },
         .tap = [&](std::uint32_t code, std::initializer_list<std::uint32_t> held) { return session->tap(code, held); },
         .screenshot = [&] { return session->screenshot(); }},
        session->clientEnvironment());
}

TEST_F(KestrelOnKWin, TheSettingsWindowOpensAsANativeWindow)
{
    ASSERT_TRUE(kestrel.start(session->clientEnvironment()));
    const QImage before = session->screenshot();
    ASSERT_FALSE(before.isNull());
    EXPECT_EQ(kestrel.launchAgain(session->clientEnvironment(), {QStringLiteral("--settings")}), 0);
    // Kestrel runs as a Wayland client here: whatever it opens is one.
    EXPECT_TRUE(runEventLoopUntil(
        [&] {
            const QImage now = session->screenshot();
            int changed = 0;
            for (int y = 100; y < height - 100; y += 4)
                for (int x = 100; x < width - 100; x += 4)
                    changed += now.pixel(x, y) != before.pixel(x, y);
            return changed > 10000;
        },
        10s, 200ms))
        << "no settings window on the output";
    // Drawn with the processor, as all of Kestrel: no OpenGL driver was loaded for it (tens of
    // MiB that Qt would otherwise map on a native client's first window).
    QFile maps(QStringLiteral("/proc/%1/maps").arg(kestrel.process().processId()));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    for (const char* driver : {"libEGL_mesa", "libLLVM", "_dri.so"})
        EXPECT_FALSE(mapped.contains(driver)) << driver << " is loaded";
    EXPECT_EQ(kestrel.said(), "");
}

TEST_F(KestrelOnKWin, AtScalesTwoAndOneAndAHalfEverythingIsSharpAndTheOverlayKeepsItsSize)
{
    // The keycaps' size at scale 1.
    InputLogWindow window;
    ASSERT_TRUE(window.open(session->clientEnvironment(), "wayland"));
    ASSERT_TRUE(awaitOnlyTheWindow([&] { return session->screenshot(); }));
    ASSERT_TRUE(kestrel.start(session->clientEnvironment()));
    const Changes plain = kestrel.holdUntilShown({KEY_LEFTSHIFT, KEY_3}, [&] { return session->screenshot(); });
    ASSERT_GT(plain.pixels, 2000);
    kestrel.stop();

    // The same output at scale 2, and at 1.5, which Qt (6.4) does not know: it draws for 2 there,
    // and KWin makes that smaller.
    for (const double scale : {2.0, 1.5}) {
        SCOPED_TRACE(scale);
        const auto device = [scale](int logical) { return qRound(logical * scale); };
        KWinSession scaled(width, height, scale);
        ASSERT_TRUE(scaled.isRunning()) << scaled.error();
        SessionLogind scaledLogind(scaled.systemBusAddress());
        const auto screenshot = [&] { return scaled.screenshot(); };
        InputLogWindow scaledWindow;
        ASSERT_TRUE(scaledWindow.open(scaled.clientEnvironment(), "wayland"));
        ASSERT_TRUE(awaitOnlyTheWindow(screenshot));

        // The welcome window of a first launch.
        KestrelSession firstLaunch;
        ASSERT_TRUE(firstLaunch.start(scaled.clientEnvironment()));
        Changes welcome;
        ASSERT_TRUE(runEventLoopUntil(
            [&] {
                welcome = changesFrom(screenshot(), windowColour);
                return welcome.area.width() > device(300);
            },
            10s, 200ms))
            << "no welcome window";
        EXPECT_TRUE(sharpEdges(screenshot(), welcome.area).areBoth()) << edgesOf(screenshot(), welcome.area);
        firstLaunch.stop();
        ASSERT_TRUE(awaitOnlyTheWindow(screenshot));

        // The keycaps: as large as at scale 1 in the output's own measure, drawn sharp.
        KestrelSession again;
        again.setPreferences(QStringLiteral(R"({"hasCompletedOnboarding": true, "overlayPosition": "bottomLeft"})"));
        ASSERT_TRUE(again.start(scaled.clientEnvironment()));
        const Changes keycaps = again.holdUntilShown({KEY_LEFTSHIFT, KEY_3}, screenshot);
        ASSERT_GT(keycaps.pixels, 2000);
        EXPECT_NEAR(keycaps.area.width(), device(plain.area.width()), 4);
        EXPECT_NEAR(keycaps.area.height(), device(plain.area.height()), 4);
        EXPECT_TRUE(sharpEdges(screenshot(), keycaps.area).areBoth()) << edgesOf(screenshot(), keycaps.area);
        // As the same picture enlarged from half as many pixels would not be, doubled or smoothed.
        const QImage half = screenshot().copy(keycaps.area).scaled(keycaps.area.size() / 2);
        for (const Qt::TransformationMode enlarged : {Qt::FastTransformation, Qt::SmoothTransformation})
            EXPECT_FALSE(sharpEdges(half.scaled(half.size() * 2, Qt::IgnoreAspectRatio, enlarged),
                                    QRect(QPoint(), half.size() * 2))
                             .areBoth());
        again.keys().key(KEY_3, 0);
        again.keys().key(KEY_LEFTSHIFT, 0);
        ASSERT_TRUE(awaitOnlyTheWindow(screenshot));

        // The panel, at the point the tray gives in the output's own measure.
        TrayHost bar(scaled.bus());
        ASSERT_TRUE(bar.awaitKestrel());
        const QPoint click(width - 200, 40);
        ASSERT_TRUE(bar.activate(click.x(), click.y()));
        const QRect betweenTheBars(0, device(30), device(width), device(height - 130));
        // What shows between the bars once it is as large as `enough` asks.
        const auto awaitShown = [&](const std::function<bool(const QRect&)>& enough) {
            Changes shown;
            runEventLoopUntil(
                [&] {
                    shown = changesFrom(screenshot(), windowColour, betweenTheBars);
                    return enough(shown.area);
                },
                10s, 100ms);
            return shown;
        };
        const Changes panel = awaitShown([&](const QRect& area) { return area.height() > device(150); });
        ASSERT_GT(panel.area.height(), device(150)) << "no panel";
        EXPECT_LE(std::abs(panel.area.center().x() - device(click.x())), 4) << "centred under the point";
        EXPECT_TRUE(sharpEdges(screenshot(), panel.area).areBoth()) << edgesOf(screenshot(), panel.area);
        ASSERT_TRUE(scaled.tap(KEY_ESC));
        ASSERT_TRUE(runEventLoopUntil(
            [&] { return changesFrom(screenshot(), windowColour, betweenTheBars).pixels == 0; }, 10s, 100ms));

        // The settings window.
        EXPECT_EQ(again.launchAgain(scaled.clientEnvironment(), {QStringLiteral("--settings")}), 0);
        const Changes settings = awaitShown([&](const QRect& area) { return area.width() > device(500); });
        ASSERT_GT(settings.area.width(), device(500)) << "no settings window";
        EXPECT_TRUE(sharpEdges(screenshot(), settings.area).areBoth()) << edgesOf(screenshot(), settings.area);
        EXPECT_EQ(again.said(), "");
    }
}

} // namespace
} // namespace kestrel::test
