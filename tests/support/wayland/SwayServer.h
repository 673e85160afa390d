#pragma once

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <string>

namespace kestrel::test {

// A headless sway of the test's own: one output of the given size, no input devices, no
// XWayland. Sway refuses to run as root, so under root it runs as a user of its own
// (see DesktopUser.h); the test's programs connect as clients by the socket's
// full path. Everything it started ends with it.
class SwayServer {
public:
    SwayServer(int width, int height);
    ~SwayServer();

    SwayServer(const SwayServer&) = delete;
    SwayServer& operator=(const SwayServer&) = delete;

    bool isRunning() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // For a client: the compositor's socket and a runtime folder of the client's own.
    QProcessEnvironment clientEnvironment() const;

    // What the output shows now (grim); a null image when it could not be taken.
    QImage screenshot(const QString& output = QStringLiteral("HEADLESS-1"));
    // Runs a sway command ("create_output", "focus output HEADLESS-2"); true when it worked.
    bool command(const QString& command);
    // A left click at (x, y) of the output, through a virtual pointer.
    bool click(int x, int y);
    // Types the text through a virtual keyboard (wtype).
    bool type(const QString& text);
    // A named key ("Escape") pressed and let go through a virtual keyboard.
    bool tapKey(const QString& name);
    // Ends the compositor and what it started, as when the session is over.
    void stop();

private:
    bool runClient(const QString& program, const QStringList& arguments);

    std::string m_error;
    int m_width;
    int m_height;
    QTemporaryDir m_folder;       // sway's runtime folder and configuration
    QTemporaryDir m_clientFolder; // the clients' runtime folder
    QString m_socket;
    QProcess m_sway;
};

} // namespace kestrel::test
