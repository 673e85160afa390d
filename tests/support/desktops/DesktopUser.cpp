#include "support/desktops/DesktopUser.h"

#include <grp.h>
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

} // namespace kestrel::test
