#include "support/desktops/XfcePanel.h"

#include "support/desktops/DesktopUser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <unistd.h>

namespace kestrel::test {

namespace {

// Where this machine keeps xfconfd: the program its D-Bus service starts.
QString settingsDaemon()
{
    const QSettings service(QStringLiteral("/usr/share/dbus-1/services/org.xfce.Xfconf.service"), QSettings::IniFormat);
    return service.value(QStringLiteral("D-BUS Service/Exec")).toString();
}

} // namespace

XfcePanel::XfcePanel(const QProcessEnvironment& session, const passwd* account)
    : m_environment(session), m_account(account)
{
    // The default panel at once, not the first start's question which layout to use.
    const QString channels = m_folder.filePath(QStringLiteral("config/xfce4/xfconf/xfce-perchannel-xml"));
    QDir().mkpath(channels);
    if (!QFile::copy(QStringLiteral("/etc/xdg/xfce4/panel/default.xml"),
                     channels + QStringLiteral("/xfce4-panel.xml"))) {
        m_error = "the machine has no default Xfce panel";
        return;
    }
    if (account) {
        for (const QString& path : {m_folder.path(), m_folder.filePath(QStringLiteral("config")),
                                    m_folder.filePath(QStringLiteral("config/xfce4")),
                                    m_folder.filePath(QStringLiteral("config/xfce4/xfconf")), channels,
                                    channels + QStringLiteral("/xfce4-panel.xml")}) {
            if (!giveTo(path, account, path.endsWith(QStringLiteral(".xml")) ? 0644 : 0755)) {
                m_error = "cannot give the panel its folder";
                return;
            }
        }
    }
    m_environment.insert(QStringLiteral("HOME"), m_folder.path());
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder.filePath(QStringLiteral("config")));
    m_environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_folder.filePath(QStringLiteral("cache")));
    m_environment.insert(QStringLiteral("GDK_BACKEND"), QStringLiteral("x11"));
    m_environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const QString daemon = settingsDaemon();
    if (daemon.isEmpty()) {
        m_error = "the machine has no Xfce settings daemon";
        return;
    }
    if (start(m_settings, daemon))
        start(m_panel, QStringLiteral("xfce4-panel"));
}

XfcePanel::~XfcePanel()
{
    endProcessGroup(m_panel);
    endProcessGroup(m_settings);
}

bool XfcePanel::start(QProcess& process, const QString& program)
{
    process.setProcessEnvironment(m_environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardOutputFile(m_folder.filePath(QFileInfo(program).fileName() + QStringLiteral(".log")));
    runAs(process, m_account);
    process.start(program, {});
    if (!process.waitForStarted(5000)) {
        m_error = program.toStdString() + " did not start: " + process.errorString().toStdString();
        return false;
    }
    return true;
}

} // namespace kestrel::test
