#pragma once

#include "support/dbus/PrivateBus.h"
#include "support/desktops/XfcePanel.h"

#include <QDBusConnection>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

struct passwd;

namespace kestrel::test {

// KDE's compositor, KWin, of the test's own: one virtual output, XWayland, and Xfce's panel on
// it as the StatusNotifier host (Plasma's own shell is far too large to start in a test). KWin
// runs as an ordinary user (see DesktopUser.h), from a copy of its program (the installed one
// carries a file capability a container may refuse), on buses of the test's own; its
// screenshots are open to the test. Everything it started ends with it.
class KWinSession {
public:
    // An output `width` × `height` device pixels large, at the scale given.
    KWinSession(int width, int height, double scale = 1);
    ~KWinSession();

    KWinSession(const KWinSession&) = delete;
    KWinSession& operator=(const KWinSession&) = delete;

    bool isRunning() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }
    const std::string& xDisplay() const { return m_xDisplay; }

    // For a client of the session: Wayland, the session and system buses, a runtime folder.
    QProcessEnvironment clientEnvironment() const;
    QDBusConnection bus() const;
    const QString& sessionBusAddress() const { return m_sessionBus.address(); }
    const QString& systemBusAddress() const { return m_systemBus.address(); }
    // What KWin composes on its output now.
    QImage screenshot();

    // A person's pointer moved to (x, y) of the output, a click there, and a key (a Linux input
    // code) tapped with the `held` keys down, through KWin's fake input; true once KWin has
    // taken them in.
    bool moveTo(int x, int y);
    bool click(int x, int y);
    bool tap(std::uint32_t code, std::initializer_list<std::uint32_t> held = {});

private:
    bool awaitXWayland();
    bool input(const QString& line);

    std::string m_error;
    const passwd* m_account = nullptr; // the session's user, when the tests run as root
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
    QProcess m_input; // the fake input device, from the first input on
};

} // namespace kestrel::test
