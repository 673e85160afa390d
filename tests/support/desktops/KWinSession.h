#pragma once

#include "support/dbus/PrivateBus.h"
#include "support/desktops/XfcePanel.h"

#include <QDBusConnection>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace kestrel::test {

// KDE's compositor, KWin, of the test's own: one virtual output, XWayland, and Xfce's panel on
// it as the StatusNotifier host (Plasma's own shell is far too large to start in a test). KWin
// runs as an ordinary user (see DesktopUser.h), from a copy of its program (the installed one
// carries a file capability a container may refuse), on buses of the test's own; its
// screenshots are open to the test. Everything it started ends with it.
class KWinSession {
public:
    KWinSession(int width, int height);
    ~KWinSession();

    KWinSession(const KWinSession&) = delete;
    KWinSession& operator=(const KWinSession&) = delete;

    bool isRunning() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }
    const std::string& xDisplay() const { return m_xDisplay; }

    // For a client of the session: Wayland, the session and system buses, a runtime folder.
    QProcessEnvironment clientEnvironment() const;
    QDBusConnection bus() const;
    const QString& systemBusAddress() const { return m_systemBus.address(); }
    // What KWin composes on its output now.
    QImage screenshot();

private:
    bool awaitXWayland();

    std::string m_error;
    int m_width;
    int m_height;
    PrivateBus m_sessionBus{{QStringLiteral("org.a11y.Bus")}};
    PrivateBus m_systemBus;
    QTemporaryDir m_folder;       // KWin's program, home and runtime folder
    QTemporaryDir m_clientFolder; // the clients' runtime folder
    QString m_busName;
    QProcess m_kwin;
    std::string m_xDisplay;
    std::unique_ptr<XfcePanel> m_tray;
};

} // namespace kestrel::test
