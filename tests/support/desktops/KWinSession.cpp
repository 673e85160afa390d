#include "support/desktops/KWinSession.h"

#include "support/EventLoop.h"
#include "support/ProgramEnvironment.h"
#include "support/desktops/DesktopUser.h"
#include "support/desktops/Screenshots.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusUnixFileDescriptor>
#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrel::test {

KWinSession::KWinSession(int width, int height, double scale) : m_width(width), m_height(height)
{
    static int connections = 0;
    m_busName = QStringLiteral("kwin-session-test-%1").arg(++connections);
    if (!m_sessionBus.isRunning() || !m_systemBus.isRunning()) {
        m_error = "no private bus: " + m_sessionBus.error() + m_systemBus.error();
        return;
    }
    const passwd* account = ::getuid() == 0 ? desktopUser(m_error) : nullptr;
    if (::getuid() == 0 && !account)
        return;
    m_account = account;
    if (::getuid() == 0) {
        ::mkdir("/tmp/.X11-unix", 01777);
        ::chmod("/tmp/.X11-unix", 01777);
    }
    // KWin's platform plugin loads only into a program named kwin_wayland.
    const QString program = m_folder.filePath(QStringLiteral("kwin_wayland"));
    const QString home = m_folder.filePath(QStringLiteral("home"));
    const QString runtime = m_folder.filePath(QStringLiteral("runtime"));
    QDir().mkpath(home + QStringLiteral("/.config"));
    QDir().mkpath(runtime);
    // KWin hands its fake input only to programs it can read, so the session's user runs it.
    const QString input = m_folder.filePath(QStringLiteral("kestrel_kwin_input"));
    if (!QFile::copy(QStringLiteral("/usr/bin/kwin_wayland"), program) || !giveTo(program, nullptr, 0755) ||
        !QFile::copy(QStringLiteral(KESTREL_KWIN_INPUT), input) || !giveTo(input, nullptr, 0755) ||
        !giveTo(m_folder.path(), nullptr, 0755) || !giveTo(home, account, 0755) ||
        !giveTo(home + QStringLiteral("/.config"), account, 0755) || !giveTo(runtime, account, 0700)) {
        m_error = "cannot give KWin its folder (is kwin-wayland installed?)";
        return;
    }

    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_sessionBus.address());
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_systemBus.address());
    // Screenshots and fake input for any client: the tests look and type as a person would.
    environment.insert(QStringLiteral("KWIN_SCREENSHOT_NO_PERMISSION_CHECKS"), QStringLiteral("1"));
    environment.insert(QStringLiteral("KWIN_WAYLAND_NO_PERMISSION_CHECKS"), QStringLiteral("1"));
    m_kwin.setProcessEnvironment(environment);
    m_kwin.setProcessChannelMode(QProcess::MergedChannels);
    m_kwin.setStandardOutputFile(m_folder.filePath(QStringLiteral("kwin.log")));
    runAs(m_kwin, account);
    m_kwin.start(program, {QStringLiteral("--virtual"), QStringLiteral("--width"), QString::number(width),
                           QStringLiteral("--height"), QString::number(height), QStringLiteral("--socket"),
                           QStringLiteral("kwin-test"), QStringLiteral("--xwayland"), QStringLiteral("--scale"),
                           QString::number(scale)});
    if (!m_kwin.waitForStarted(5000)) {
        m_error = "KWin did not start: " + m_kwin.errorString().toStdString();
        return;
    }
    QDBusConnection session = bus();
    const bool up = runEventLoopUntil(
        [&] {
            return m_kwin.state() == QProcess::NotRunning ||
                   (QFile::exists(runtime + QStringLiteral("/kwin-test")) &&
                    session.interface()->isServiceRegistered(QStringLiteral("org.kde.KWin")).value());
        },
        std::chrono::seconds(30), std::chrono::milliseconds(50));
    if (!up || m_kwin.state() == QProcess::NotRunning) {
        QFile log(m_folder.filePath(QStringLiteral("kwin.log")));
        log.open(QIODevice::ReadOnly);
        m_error = "KWin did not come up: " + log.readAll().right(3000).toStdString();
        return;
    }
    if (!awaitXWayland())
        return;
    ::chmod(m_clientFolder.path().toLocal8Bit().constData(), 0700);

    // XWayland admits only the session's user: it lets the test's own windows in too.
    QProcessEnvironment trayEnvironment = clientEnvironment();
    trayEnvironment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(m_xDisplay));
    if (account) {
        QProcess admit;
        admit.setProcessEnvironment(trayEnvironment);
        runAs(admit, account);
        admit.start(QStringLiteral("xhost"), {QStringLiteral("+si:localuser:root")});
        if (!admit.waitForFinished(10000) || admit.exitCode() != 0) {
            m_error = "XWayland does not admit the tests' windows (is xhost installed?)";
            return;
        }
    }

    // The tray, through XWayland, as the session's user.
    m_tray = std::make_unique<XfcePanel>(trayEnvironment, account);
    if (!m_tray->error().empty()) {
        m_error = m_tray->error();
        return;
    }
    if (!runEventLoopUntil(
            [&] {
                return session.interface()
                    ->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"))
                    .value();
            },
            std::chrono::seconds(20), std::chrono::milliseconds(50)))
        m_error = "Xfce's panel brought no tray to KWin";
}

KWinSession::~KWinSession()
{
    m_input.closeWriteChannel();
    m_input.waitForFinished(2000);
    m_tray.reset();
    QDBusConnection::disconnectFromBus(m_busName);
    endProcessGroup(m_kwin);
}

bool KWinSession::awaitXWayland()
{
    const bool found = runEventLoopUntil(
        [&] {
            m_xDisplay = xwaylandDisplayOf(m_kwin.processId());
            return !m_xDisplay.empty();
        },
        std::chrono::seconds(15), std::chrono::milliseconds(50));
    if (!found)
        m_error = "KWin started no XWayland";
    return found;
}

QProcessEnvironment KWinSession::clientEnvironment() const
{
    QProcessEnvironment environment = programEnvironment();
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), m_folder.filePath(QStringLiteral("runtime/kwin-test")));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_sessionBus.address());
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_systemBus.address());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_clientFolder.path());
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("KDE"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return environment;
}

bool KWinSession::input(const QString& line)
{
    const auto awaitLine = [&](const QByteArray& expected) {
        return runEventLoopUntil([&] { return m_input.canReadLine() || m_input.state() == QProcess::NotRunning; },
                                 std::chrono::seconds(10), std::chrono::milliseconds(1)) &&
               m_input.readLine().trimmed() == expected;
    };
    if (m_input.state() == QProcess::NotRunning) {
        m_input.setProcessEnvironment(clientEnvironment());
        m_input.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        runAs(m_input, m_account);
        m_input.start(m_folder.filePath(QStringLiteral("kestrel_kwin_input")), {});
        if (!awaitLine("ready"))
            return false;
    }
    m_input.write((line + QLatin1Char('\n')).toUtf8());
    return awaitLine("done");
}

bool KWinSession::moveTo(int x, int y)
{
    return input(QStringLiteral("move %1 %2").arg(x).arg(y));
}

bool KWinSession::click(int x, int y)
{
    return input(QStringLiteral("click %1 %2").arg(x).arg(y));
}

bool KWinSession::tap(std::uint32_t code, std::initializer_list<std::uint32_t> held)
{
    QString line = QStringLiteral("key %1").arg(code);
    for (const std::uint32_t each : held)
        line += QStringLiteral(" %1").arg(each);
    return input(line);
}

QDBusConnection KWinSession::bus() const
{
    return QDBusConnection::connectToBus(m_sessionBus.address(), m_busName);
}

QImage KWinSession::screenshot()
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        return {};
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.kde.KWin"), QStringLiteral("/org/kde/KWin/ScreenShot2"),
                                       QStringLiteral("org.kde.KWin.ScreenShot2"), QStringLiteral("CaptureScreen"));
    call << QStringLiteral("Virtual-0") << QVariantMap{{QStringLiteral("native-resolution"), true}}
         << QVariant::fromValue(QDBusUnixFileDescriptor(pipe[1]));
    // KWin writes the pixels while the call is under way: read them meanwhile, until there are
    // as many as its answer says (the message keeps a copy of the pipe's end open).
    QDBusPendingCall pending = bus().asyncCall(call, 10000);
    ::close(pipe[1]);
    ::fcntl(pipe[0], F_SETFL, O_NONBLOCK);
    QByteArray pixels;
    QVariantMap results;
    const auto needed = [&] {
        return qsizetype(results.value(QStringLiteral("stride")).toInt()) *
               results.value(QStringLiteral("height")).toInt();
    };
    const bool whole = runEventLoopUntil(
        [&] {
            char chunk[65536];
            for (ssize_t got; (got = ::read(pipe[0], chunk, sizeof chunk)) > 0;)
                pixels.append(chunk, got);
            if (!pending.isFinished())
                return false;
            if (pending.isError())
                return true;
            if (results.isEmpty())
                results = qdbus_cast<QVariantMap>(pending.reply().arguments().value(0));
            return needed() > 0 && pixels.size() >= needed();
        },
        std::chrono::seconds(10), std::chrono::milliseconds(1));
    ::close(pipe[0]);
    const int width = results.value(QStringLiteral("width")).toInt();
    const int height = results.value(QStringLiteral("height")).toInt();
    const int stride = results.value(QStringLiteral("stride")).toInt();
    if (!whole || pending.isError() || width <= 0 || height <= 0 || pixels.size() < needed())
        return {};
    // Format 5: premultiplied ARGB32, as QImage keeps it.
    const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), width, height, stride,
                       QImage::Format_ARGB32_Premultiplied);
    return keptToLookAt(image.convertToFormat(QImage::Format_RGB32), "kwin");
}

} // namespace kestrel::test
