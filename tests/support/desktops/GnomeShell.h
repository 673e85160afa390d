#pragma once

#include "support/dbus/PrivateBus.h"

#include <QDBusConnection>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <optional>
#include <string>

namespace kestrel::test {

// GNOME Shell of the test's own, headless on one virtual monitor, with Ubuntu's AppIndicator
// extension (the tray most GNOME users have) and XWayland. It runs as an ordinary user (see
// DesktopUser.h) in a mount namespace where systemd's runtime folder is hidden (the shell
// would otherwise look for logind), on a session bus and a system bus of the test's own, its
// settings in a key file; the session bus starts the accessibility bus when asked, as a
// desktop's does. `--unsafe-mode` opens its Eval and Screenshot to the test.
class GnomeShell {
public:
    GnomeShell(int width, int height);
    ~GnomeShell();

    GnomeShell(const GnomeShell&) = delete;
    GnomeShell& operator=(const GnomeShell&) = delete;

    bool isRunning() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // For a client of the session: Wayland, XWayland, the session bus, a runtime folder.
    QProcessEnvironment clientEnvironment() const;
    // The session bus, for the test's own calls.
    QDBusConnection bus() const;
    // The system bus the shell and its clients are given, for a logind of the test's.
    const QString& systemBusAddress() const { return m_systemBus.address(); }
    const std::string& xDisplay() const { return m_xDisplay; }
    const QString& xAuthority() const { return m_xAuthority; }

    // Runs JavaScript in the shell: what its last statement gave, nothing when it failed.
    std::optional<QString> eval(const QString& script);
    // What the shell composes on its monitor now (Wayland and X windows, the top bar).
    QImage screenshot();

private:
    bool awaitXWayland();

    std::string m_error;
    int m_width;
    int m_height;
    PrivateBus m_sessionBus{{QStringLiteral("org.a11y.Bus")}}; // a desktop's accessibility bus, on demand
    PrivateBus m_systemBus;
    QTemporaryDir m_folder;       // the shell's home, settings and runtime folder
    QTemporaryDir m_clientFolder; // the clients' runtime folder
    QString m_busName;
    QProcess m_shell;
    std::string m_xDisplay;
    QString m_xAuthority;
};

} // namespace kestrel::test
