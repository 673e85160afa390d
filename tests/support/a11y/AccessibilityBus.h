#pragma once

#include "support/dbus/PrivateBus.h"

#include <QProcess>
#include <QString>

#include <memory>
#include <optional>
#include <string>

namespace kestrel::test {

// A desktop's accessibility plumbing for one test, and nothing of the machine's: a private
// session bus (which starts no service by itself) and the accessibility bus launched on it
// for `display`. Everything it started ends with it.
class AccessibilityBus {
public:
    AccessibilityBus(const std::string& display, const QString& runtimeFolder);
    ~AccessibilityBus();

    AccessibilityBus(const AccessibilityBus&) = delete;
    AccessibilityBus& operator=(const AccessibilityBus&) = delete;

    bool isRunning() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }
    // For the environment of every program that should see it.
    const QString& sessionBusAddress() const { return m_sessionAddress; }
    // Ends the accessibility bus, as a crash would; the session bus stays.
    void stopAccessibilityBus();
    // Starts it (again).
    void startAccessibilityBus();
    // Sets the desktop's accessibility switch (IsEnabled), as a user's settings would.
    bool setEnabled(bool enabled);
    // Whether anyone (Kestrel, as a screen reader would) has asked the accessibility bus's
    // registry for events.
    bool hasListeners();

private:
    bool waitForAccessibilityBus();
    // Runs dbus-send on the session bus; true when it answered.
    bool send(const QStringList& arguments);
    // Runs dbus-send (`bus` is --session or --bus=ADDRESS) and returns what it printed of the
    // answer; nothing when it did not answer.
    std::optional<QString> ask(const QString& bus, const QString& destination, const QStringList& arguments);

    PrivateBus m_bus; // the session bus
    std::string m_error;
    QString m_sessionAddress;
    QProcess m_launcher;
    std::string m_display;
    QString m_runtimeFolder;
};

// One of the test windows with a normal field above a password field (GTK 3, Qt with its
// accessibility forced on, or a page in Chromium, which needs the bus's switch on as well),
// driven through its standard input.
class PasswordFieldsApp {
public:
    enum class Toolkit { gtk3, qt, chromium };
    // `extra`: more of the environment (the X server's authority, say).
    PasswordFieldsApp(Toolkit toolkit, const std::string& display, const QString& sessionBusAddress,
                      const QProcessEnvironment& extra = {});
    ~PasswordFieldsApp();

    // False when the window did not come up.
    bool isReady() const { return m_ready; }
    // Everything the window has said, for messages.
    std::string said() const;
    int normalX = 0, normalY = 0, passwordX = 0, passwordY = 0;

    // Gives a field the focus from within the application and waits until it has it.
    bool focus(const char* field);
    // Empties both fields.
    bool clear();
    // Waits until the application says a field's text has `length` characters.
    bool awaitLength(const char* field, int length, int milliseconds = 2000);
    // Waits until the application says the keyboard focus is in `field`; "none": in neither
    // (its window was left for another, say). Only the GTK 3 window says.
    bool awaitFocus(const char* field, int milliseconds = 5000);

private:
    // Reads what the application said, line by line, until one starts with `prefix`.
    bool awaitLine(const QString& prefix, QString* line = nullptr, int milliseconds = 5000);
    void note(const QString& line);

    QProcess m_process;
    bool m_ready = false;
    std::string m_said;
    int m_normalLength = 0;
    int m_passwordLength = 0;
    QString m_focus; // "normal", "password" or "none"; empty until the application says
};

// One program's controls worked through the accessibility bus as a screen reader works them
// (tests/support/a11y/screen-reader says how), for the program with process id `pid`.
class ScreenReader {
public:
    ScreenReader(qint64 pid, const std::string& display, const QString& sessionBusAddress);
    ~ScreenReader();

    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // False when the program did not appear on the bus.
    bool isReady() const { return m_ready; }
    // Sends one command and returns its answer, split into its fields; nothing when no answer
    // came.
    QStringList ask(const QStringList& command);
    // Every showing control as "role:name:actions", for messages.
    std::string tree();

private:
    QProcess m_process;
    bool m_ready = false;
};

} // namespace kestrel::test
