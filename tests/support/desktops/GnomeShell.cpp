#include "support/desktops/GnomeShell.h"

#include "support/EventLoop.h"
#include "support/ProgramEnvironment.h"
#include "support/desktops/DesktopUser.h"
#include "support/desktops/Screenshots.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

namespace kestrel::test {

namespace {

constexpr const char* extension = "ubuntu-appindicators@ubuntu.com";

} // namespace

GnomeShell::GnomeShell(int width, int height) : m_width(width), m_height(height)
{
    static int connections = 0;
    m_busName = QStringLiteral("gnome-shell-test-%1").arg(++connections);
    if (!m_sessionBus.isRunning() || !m_systemBus.isRunning()) {
        m_error = "no private bus: " + m_sessionBus.error() + m_systemBus.error();
        return;
    }
    const bool root = ::getuid() == 0;
    const passwd* account = root ? desktopUser(m_error) : nullptr;
    if (root && !account)
        return;
    // XWayland makes its socket there, and the shell gives up when it cannot.
    if (root) {
        ::mkdir("/tmp/.X11-unix", 01777);
        ::chmod("/tmp/.X11-unix", 01777);
    }
    const QString runtime = m_folder.filePath(QStringLiteral("runtime"));
    const QString settings = m_folder.filePath(QStringLiteral("config/glib-2.0/settings"));
    QDir().mkpath(runtime);
    QDir().mkpath(settings);
    QFile keyfile(settings + QStringLiteral("/keyfile"));
    if (!keyfile.open(QIODevice::WriteOnly)) {
        m_error = "cannot write the shell's settings";
        return;
    }
    // The tray extension on; no lock screen (there is no display manager to lock for), and no
    // banners over what the tests look at.
    keyfile.write(QStringLiteral("[org/gnome/shell]\nenabled-extensions=['%1']\n"
                                 "[org/gnome/desktop/lockdown]\ndisable-lock-screen=true\n"
                                 "[org/gnome/desktop/screensaver]\nlock-enabled=false\n"
                                 "[org/gnome/desktop/notifications]\nshow-banners=false\n")
                      .arg(QString::fromLatin1(extension))
                      .toUtf8());
    keyfile.close();
    for (const QString& path : {m_folder.path(), m_folder.filePath(QStringLiteral("config")),
                                m_folder.filePath(QStringLiteral("config/glib-2.0")), settings, keyfile.fileName()}) {
        if (!giveTo(path, account, path == keyfile.fileName() ? 0644 : 0755)) {
            m_error = "cannot give the shell its folder";
            return;
        }
    }
    if (!giveTo(runtime, account, 0700)) {
        m_error = "cannot give the shell its runtime folder";
        return;
    }

    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    environment.insert(QStringLiteral("HOME"), m_folder.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_folder.filePath(QStringLiteral("cache")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_folder.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("keyfile"));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_sessionBus.address());
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_systemBus.address());
    m_shell.setProcessEnvironment(environment);
    m_shell.setProcessChannelMode(QProcess::MergedChannels);
    m_shell.setStandardOutputFile(m_folder.filePath(QStringLiteral("shell.log")));
    runAs(m_shell, nullptr); // its own process group; the user is taken after the namespace is made
    const QString shell = QStringLiteral("gnome-shell --headless --wayland --virtual-monitor %1x%2 "
                                         "--wayland-display=gnome-test --unsafe-mode")
                              .arg(width)
                              .arg(height);
    if (root) {
        const QString user = QString::number(account->pw_uid);
        const QString group = QString::number(account->pw_gid);
        m_shell.start(QStringLiteral("unshare"),
                      {QStringLiteral("--mount"), QStringLiteral("--propagation"), QStringLiteral("private"),
                       QStringLiteral("sh"), QStringLiteral("-c"),
                       QStringLiteral("if [ -d /run/systemd ]; then mount -t tmpfs none /run/systemd || exit 1; fi; "
                                      "exec setpriv --reuid=%1 --regid=%2 --clear-groups %3")
                           .arg(user, group, shell)});
    } else {
        m_shell.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("exec ") + shell});
    }
    if (!m_shell.waitForStarted(5000)) {
        m_error = "gnome-shell did not start: " + m_shell.errorString().toStdString();
        return;
    }
    // Up when its tray watcher (the extension) answers; then out of the overview it starts in.
    QDBusConnection session = bus();
    const bool up = runEventLoopUntil(
        [&] {
            return m_shell.state() == QProcess::NotRunning ||
                   session.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")).value();
        },
        std::chrono::seconds(30), std::chrono::milliseconds(50));
    if (!up || m_shell.state() == QProcess::NotRunning) {
        QFile log(m_folder.filePath(QStringLiteral("shell.log")));
        log.open(QIODevice::ReadOnly);
        m_error = "GNOME Shell did not come up with its tray: " + log.readAll().right(3000).toStdString();
        return;
    }
    // It starts in the overview, animating: out of it once it has settled.
    const bool desktop = runEventLoopUntil(
        [&] {
            return eval(QStringLiteral("const settled = !Main.layoutManager._startingUp && "
                                       "!Main.overview.animationInProgress; "
                                       "if (settled) Main.overview.hide(); "
                                       "!settled || Main.overview.visible || Main.overview.animationInProgress")) ==
                   QStringLiteral("false");
        },
        std::chrono::seconds(15), std::chrono::milliseconds(100));
    if (!desktop) {
        m_error = "GNOME Shell stays in its overview";
        return;
    }
    if (!awaitXWayland())
        return;
    ::chmod(m_clientFolder.path().toLocal8Bit().constData(), 0700);
}

GnomeShell::~GnomeShell()
{
    QDBusConnection::disconnectFromBus(m_busName);
    endProcessGroup(m_shell);
}

bool GnomeShell::awaitXWayland()
{
    const QDir runtime(m_folder.filePath(QStringLiteral("runtime")));
    const bool found = runEventLoopUntil(
        [&] {
            const QStringList authorities =
                runtime.entryList({QStringLiteral(".mutter-Xwaylandauth.*")}, QDir::Files | QDir::Hidden);
            if (authorities.isEmpty())
                return false;
            m_xAuthority = runtime.filePath(authorities.front());
            // The shell runs under the process the test started (each step execs the next).
            m_xDisplay = xwaylandDisplayOf(m_shell.processId());
            return !m_xDisplay.empty();
        },
        std::chrono::seconds(15), std::chrono::milliseconds(50));
    if (!found)
        m_error = "GNOME Shell started no XWayland";
    return found;
}

QProcessEnvironment GnomeShell::clientEnvironment() const
{
    QProcessEnvironment environment = programEnvironment();
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), m_folder.filePath(QStringLiteral("runtime/gnome-test")));
    environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(m_xDisplay));
    environment.insert(QStringLiteral("XAUTHORITY"), m_xAuthority);
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_sessionBus.address());
    environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_systemBus.address());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_clientFolder.path());
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return environment;
}

QDBusConnection GnomeShell::bus() const
{
    return QDBusConnection::connectToBus(m_sessionBus.address(), m_busName);
}

std::optional<QString> GnomeShell::eval(const QString& script)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
                                       QStringLiteral("org.gnome.Shell"), QStringLiteral("Eval"));
    call << script;
    const QDBusMessage reply = bus().call(call, QDBus::Block, 10000);
    if (reply.type() != QDBusMessage::ReplyMessage || !reply.arguments().value(0).toBool())
        return std::nullopt;
    return reply.arguments().value(1).toString();
}

QImage GnomeShell::screenshot()
{
    const QString file = m_folder.filePath(QStringLiteral("runtime/screen.png"));
    QFile::remove(file);
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Shell.Screenshot"), QStringLiteral("/org/gnome/Shell/Screenshot"),
        QStringLiteral("org.gnome.Shell.Screenshot"), QStringLiteral("Screenshot"));
    call << false << false << file;
    const QDBusMessage reply = bus().call(call, QDBus::Block, 10000);
    if (reply.type() != QDBusMessage::ReplyMessage || !reply.arguments().value(0).toBool())
        return {};
    return keptToLookAt(QImage(file).convertToFormat(QImage::Format_RGB32), "gnome");
}

} // namespace kestrel::test
