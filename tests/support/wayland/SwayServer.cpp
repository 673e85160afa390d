#include "support/wayland/SwayServer.h"

#include "support/ProgramEnvironment.h"
#include "support/desktops/DesktopUser.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

namespace kestrel::test {

SwayServer::SwayServer(int width, int height) : m_width(width), m_height(height)
{
    const passwd* account = nullptr;
    if (::getuid() == 0) {
        account = desktopUser(m_error);
        if (!account)
            return;
        // Sway's folder belongs to its user; the configuration in it is readable by all.
        if (::chown(m_folder.path().toLocal8Bit().constData(), account->pw_uid, account->pw_gid) != 0) {
            m_error = "cannot give sway its folder";
            return;
        }
    }
    ::chmod(m_folder.path().toLocal8Bit().constData(), 0755);
    QFile config(m_folder.filePath(QStringLiteral("config")));
    if (!config.open(QIODevice::WriteOnly)) {
        m_error = "cannot write sway's configuration";
        return;
    }
    config.write(QStringLiteral("output HEADLESS-1 resolution %1x%2 bg #000000 solid_color\nxwayland disable\n")
                     .arg(width)
                     .arg(height)
                     .toUtf8());
    config.close();
    ::chmod(config.fileName().toLocal8Bit().constData(), 0644);

    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_folder.path());
    environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
    environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
    environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
    m_sway.setProcessEnvironment(environment);
    m_sway.setProcessChannelMode(QProcess::MergedChannels);
    m_sway.setStandardOutputFile(m_folder.filePath(QStringLiteral("sway.log")));
    // A process group of its own, and sway's user when the test runs as root.
    runAs(m_sway, account);
    m_sway.start(QStringLiteral("sway"), {QStringLiteral("--config"), config.fileName()});
    if (!m_sway.waitForStarted(5000)) {
        m_error = "sway did not start: " + m_sway.errorString().toStdString();
        return;
    }
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && m_socket.isEmpty()) {
        const QStringList sockets =
            QDir(m_folder.path()).entryList({QStringLiteral("wayland-*")}, QDir::System | QDir::Files);
        for (const QString& name : sockets) {
            if (!name.endsWith(QStringLiteral(".lock")))
                m_socket = m_folder.filePath(name);
        }
        if (m_sway.state() == QProcess::NotRunning)
            break;
        QThread::msleep(20);
    }
    if (m_socket.isEmpty()) {
        QFile log(m_folder.filePath(QStringLiteral("sway.log")));
        log.open(QIODevice::ReadOnly);
        m_error = "sway made no socket: " + log.readAll().right(2000).toStdString();
    }
}

SwayServer::~SwayServer()
{
    stop();
}

void SwayServer::stop()
{
    if (m_sway.state() != QProcess::NotRunning)
        endProcessGroup(m_sway);
}

QProcessEnvironment SwayServer::clientEnvironment() const
{
    QProcessEnvironment environment = programEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), m_socket);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_clientFolder.path());
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    return environment;
}

bool SwayServer::runClient(const QString& program, const QStringList& arguments)
{
    QProcess client;
    client.setProcessEnvironment(clientEnvironment());
    client.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    client.start(program, arguments);
    return client.waitForFinished(10000) && client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0;
}

QImage SwayServer::screenshot(const QString& output)
{
    const QString file = m_clientFolder.filePath(QStringLiteral("screen.png"));
    QFile::remove(file);
    if (!runClient(QStringLiteral("grim"), {QStringLiteral("-o"), output, file}))
        return {};
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

bool SwayServer::command(const QString& command)
{
    const QStringList sockets = QDir(m_folder.path()).entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
    if (sockets.isEmpty())
        return false;
    return runClient(QStringLiteral("swaymsg"), {QStringLiteral("-s"), m_folder.filePath(sockets.front()), command});
}

bool SwayServer::click(int x, int y)
{
    return runClient(QStringLiteral(KESTREL_VIRTUAL_POINTER),
                     {QString::number(x), QString::number(y), QString::number(m_width), QString::number(m_height)});
}

bool SwayServer::type(const QString& text)
{
    return runClient(QStringLiteral("wtype"), {text});
}

bool SwayServer::tapKey(const QString& name)
{
    return runClient(QStringLiteral("wtype"), {QStringLiteral("-k"), name});
}

} // namespace kestrel::test
