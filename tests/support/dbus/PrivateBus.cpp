#include "support/dbus/PrivateBus.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <csignal>
#include <utility>

namespace kestrel::test {

namespace {

constexpr const char* busConfig =
    R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=@FOLDER@/bus</listen>
  <servicedir>@FOLDER@/services</servicedir>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

// Whether a process runs (and is not merely left for its parent to collect: the daemon forks,
// and the container's first process may never collect it).
bool isAlive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype end = line.lastIndexOf(')');
    return end >= 0 && line.mid(end + 2, 1) != "Z";
}

} // namespace

PrivateBus::PrivateBus(const QStringList& activatable)
{
    QDir(m_folder.path()).mkdir(QStringLiteral("services"));
    for (const QString& service : activatable) {
        const QString file = service + QStringLiteral(".service");
        if (!QFile::copy(QStringLiteral("/usr/share/dbus-1/services/") + file,
                         m_folder.filePath(QStringLiteral("services/")) + file)) {
            m_error = "the machine has no D-Bus service " + service.toStdString();
            return;
        }
    }
    // Open to every user, so that a desktop shell run as a user of its own can connect.
    QFile::setPermissions(m_folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                               QFileDevice::ReadOther | QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                               QFileDevice::ExeGroup);
    QFile config(m_folder.filePath(QStringLiteral("bus.conf")));
    if (!config.open(QIODevice::WriteOnly)) {
        m_error = "cannot write the bus's configuration";
        return;
    }
    config.write(QString::fromLatin1(busConfig).replace(QStringLiteral("@FOLDER@"), m_folder.path()).toUtf8());
    config.close();

    m_config = config.fileName();
    // At a path of its own and without the server's id, so that a daemon started again is
    // at the same address.
    m_address = QStringLiteral("unix:path=") + m_folder.filePath(QStringLiteral("bus"));
    start();
}

PrivateBus::~PrivateBus()
{
    stop();
}

bool PrivateBus::start()
{
    QProcess daemon;
    daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + m_config, QStringLiteral("--fork"),
                                                 QStringLiteral("--print-pid=1")});
    if (!daemon.waitForFinished(5000) || daemon.exitCode() != 0) {
        m_error = "dbus-daemon did not start: " + daemon.readAllStandardError().toStdString();
        return false;
    }
    m_pid = QString::fromUtf8(daemon.readAllStandardOutput()).trimmed().toLongLong();
    if (m_pid <= 0) {
        m_error = "dbus-daemon said no process id";
        return false;
    }
    m_error.clear();
    return true;
}

void PrivateBus::stop()
{
    if (m_pid <= 0)
        return;
    const qint64 pid = std::exchange(m_pid, 0);
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    // The daemon removes its socket as it goes, unless the signal came before it set up its
    // handling: then the socket is left, and removed here.
    const QString socket = m_folder.filePath(QStringLiteral("bus"));
    for (int wait = 0; wait < 300 && QFile::exists(socket) && isAlive(pid); ++wait)
        QThread::msleep(10);
    QFile::remove(socket);
}

} // namespace kestrel::test
