#include "support/desktops/DesktopUser.h"

#include <QDir>
#include <QFile>

#include <csignal>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrel::test {

namespace {
constexpr const char* userName = "kestrel-desktop";
} // namespace

const passwd* desktopUser(std::string& error)
{
    if (const passwd* account = ::getpwnam(userName))
        return account;
    QProcess add;
    add.start(QStringLiteral("useradd"),
              {QStringLiteral("--no-create-home"), QStringLiteral("--system"), QStringLiteral("--shell"),
               QStringLiteral("/usr/sbin/nologin"), QString::fromLatin1(userName)});
    add.waitForFinished(10000);
    const passwd* account = ::getpwnam(userName);
    if (!account)
        error = "cannot make the user " + std::string(userName) + ": " + add.readAllStandardError().toStdString();
    return account;
}

void runAs(QProcess& process, const passwd* account)
{
    const uid_t uid = account ? account->pw_uid : ::getuid();
    const gid_t gid = account ? account->pw_gid : ::getgid();
    process.setChildProcessModifier([uid, gid] {
        ::setpgid(0, 0);
        if (::getuid() == 0 && uid != 0) {
            ::setgroups(0, nullptr);
            if (::setgid(gid) != 0 || ::setuid(uid) != 0)
                ::_exit(127);
        }
    });
}

void endProcessGroup(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    ::kill(-static_cast<pid_t>(process.processId()), SIGTERM);
    if (!process.waitForFinished(5000))
        ::kill(-static_cast<pid_t>(process.processId()), SIGKILL);
    process.waitForFinished(2000);
}

std::string xwaylandDisplayOf(qint64 parent)
{
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (!status.open(QIODevice::ReadOnly) ||
            !status.readAll().contains(QStringLiteral("\nPPid:\t%1\n").arg(parent).toLatin1()))
            continue;
        QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> arguments = file.readAll().split('\0');
        if (arguments.size() > 1 && arguments[0].endsWith("Xwayland"))
            return arguments[1].toStdString();
    }
    return {};
}

bool giveTo(const QString& path, const passwd* account, mode_t mode)
{
    const QByteArray name = path.toLocal8Bit();
    if (account && ::chown(name.constData(), account->pw_uid, account->pw_gid) != 0)
        return false;
    return ::chmod(name.constData(), mode) == 0;
}

} // namespace kestrel::test
