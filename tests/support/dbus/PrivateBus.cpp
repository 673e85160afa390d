#include "support/dbus/PrivateBus.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <csignal>

namespace kestrel::test {

namespace {

constexpr const char* busConfig =
    R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=@FOLDER@</listen>
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

    QProcess daemon;
    daemon.start(QStringLiteral("dbus-daemon"),
                 {QStringLiteral("--config-file=") + config.fileName(), QStringLiteral("--fork"),
                  QStringLiteral("--print-address=1"), QStringLiteral("--print-pid=1")});
    if (!daemon.waitForFinished(5000) || daemon.exitCode() != 0) {
        m_error = "dbus-daemon did not start: " + daemon.readAllStandardError().toStdString();
        return;
    }
    const QStringList said = QString::fromUtf8(daemon.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    if (said.size() < 2) {
        m_error = "dbus-daemon said no address";
        return;
    }
    m_address = said[0].trimmed();
    m_pid = said[1].trimmed().toLongLong();
}

PrivateBus::~PrivateBus()
{
    if (m_pid <= 0)
        return;
    ::kill(static_cast<pid_t>(m_pid), SIGTERM);
    // The daemon removes its socket as it goes: let it, before the folder goes.
    for (int wait = 0; wait < 100 && ::kill(static_cast<pid_t>(m_pid), 0) == 0; ++wait)
        QThread::msleep(10);
}

} // namespace kestrel::test
