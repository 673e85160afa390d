#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <string>

#include <pwd.h>

namespace kestrel::test {

// Xfce's panel with the default top panel, whose tray hosts StatusNotifier items (its watcher
// on the session bus), and the settings daemon it reads its layout from, both started by the
// test with a settings folder of its own: nothing of the machine's user is read or written.
// Run as `account` (null: the test's user). Everything it started ends with it.
class XfcePanel {
public:
    XfcePanel(const QProcessEnvironment& session, const passwd* account = nullptr);
    ~XfcePanel();

    XfcePanel(const XfcePanel&) = delete;
    XfcePanel& operator=(const XfcePanel&) = delete;

    const std::string& error() const { return m_error; }

private:
    bool start(QProcess& process, const QString& program);

    std::string m_error;
    QTemporaryDir m_folder;
    QProcessEnvironment m_environment;
    const passwd* m_account;
    QProcess m_settings;
    QProcess m_panel;
};

} // namespace kestrel::test
