#pragma once

#include "support/dbus/PrivateBus.h"
#include "support/desktops/XfcePanel.h"
#include "support/x11/XvfbServer.h"

#include <QDBusConnection>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <memory>
#include <string>

#include <xcb/xcb.h>

namespace kestrel::test {

// Xfce as its users run it, on a private Xvfb: xfwm4 with its compositor, and xfce4-panel
// with the default top panel, whose tray hosts StatusNotifier items (its watcher on a session
// bus of the test's own, which starts Xfce's settings daemon and the accessibility bus on
// demand). Everything it started
// ends with it.
class XfceSession {
public:
    XfceSession(int width, int height);
    ~XfceSession();

    XfceSession(const XfceSession&) = delete;
    XfceSession& operator=(const XfceSession&) = delete;

    bool isRunning() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }
    const std::string& display() const { return m_server.display(); }

    // For a client of the session: the display, the session bus, a runtime folder.
    QProcessEnvironment clientEnvironment() const;
    QDBusConnection bus() const;
    // The screen as the compositor shows it.
    QImage screenshot();

private:
    bool start(QProcess& process, const QString& program, const QStringList& arguments);
    bool isCompositing();

    std::string m_error;
    int m_width;
    int m_height;
    XvfbServer m_server;
    PrivateBus m_bus{{QStringLiteral("org.a11y.Bus")}};
    QTemporaryDir m_folder;       // the window manager's home
    QTemporaryDir m_clientFolder; // the clients' runtime folder
    QString m_busName;
    QProcess m_windowManager;
    std::unique_ptr<XfcePanel> m_panel;
    xcb_connection_t* m_connection = nullptr;
};

} // namespace kestrel::test
