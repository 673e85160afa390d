#include "support/a11y/AccessibilityBus.h"

#include <QDeadlineTimer>
#include <QThread>

#include <csignal>
#include <unistd.h>

namespace kestrel::test {

AccessibilityBus::AccessibilityBus(const std::string& display, const QString& runtimeFolder)
    : m_display(display), m_runtimeFolder(runtimeFolder)
{
    if (!m_bus.isRunning()) {
        m_error = m_bus.error();
        return;
    }
    m_sessionAddress = m_bus.address();

    startAccessibilityBus();
}

void AccessibilityBus::startAccessibilityBus()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(m_display));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_sessionAddress);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimeFolder);
    // The accessibility switch is kept in memory, not in the machine's settings.
    environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("memory"));
    m_launcher.setProcessEnvironment(environment);
    // A process group of its own, so the bus daemon and registry it starts end with it.
    m_launcher.setChildProcessModifier([] { ::setpgid(0, 0); });
    m_launcher.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_launcher.setStandardOutputFile(QProcess::nullDevice());
    m_launcher.start(QStringLiteral("/usr/libexec/at-spi-bus-launcher"), {QStringLiteral("--launch-immediately")});
    if (!m_launcher.waitForStarted(5000) || !waitForAccessibilityBus())
        m_error = "the accessibility bus did not come up";
}

bool AccessibilityBus::waitForAccessibilityBus()
{
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (send({QStringLiteral("org.a11y.Bus.GetAddress")}))
            return true;
        QThread::msleep(50);
    }
    return false;
}

bool AccessibilityBus::setEnabled(bool enabled)
{
    return send({QStringLiteral("org.freedesktop.DBus.Properties.Set"), QStringLiteral("string:org.a11y.Status"),
                 QStringLiteral("string:IsEnabled"),
                 enabled ? QStringLiteral("variant:boolean:true") : QStringLiteral("variant:boolean:false")});
}

bool AccessibilityBus::send(const QStringList& arguments)
{
    return ask(QStringLiteral("--session"), QStringLiteral("org.a11y.Bus"),
               QStringList{QStringLiteral("/org/a11y/bus")} + arguments)
        .has_value();
}

bool AccessibilityBus::hasListeners()
{
    const std::optional<QString> address =
        ask(QStringLiteral("--session"), QStringLiteral("org.a11y.Bus"),
            {QStringLiteral("/org/a11y/bus"), QStringLiteral("org.a11y.Bus.GetAddress")});
    // The answer's one string: `string "unix:path=…"`.
    const qsizetype first = address ? address->indexOf(QLatin1Char('"')) : -1;
    const qsizetype last = address ? address->lastIndexOf(QLatin1Char('"')) : -1;
    if (first < 0 || last <= first)
        return false;
    const std::optional<QString> events = ask(
        QStringLiteral("--bus=") + address->mid(first + 1, last - first - 1), QStringLiteral("org.a11y.atspi.Registry"),
        {QStringLiteral("/org/a11y/atspi/registry"), QStringLiteral("org.a11y.atspi.Registry.GetRegisteredEvents")});
    // An array of (listener's bus name, event) pairs.
    return events && events->contains(QStringLiteral("struct {"));
}

std::optional<QString> AccessibilityBus::ask(const QString& bus, const QString& destination,
                                             const QStringList& arguments)
{
    QProcess ask;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_sessionAddress);
    ask.setProcessEnvironment(environment);
    ask.start(QStringLiteral("dbus-send"),
              QStringList{bus, QStringLiteral("--print-reply"), QStringLiteral("--dest=") + destination} + arguments);
    if (!ask.waitForFinished(2000) || ask.exitStatus() != QProcess::NormalExit || ask.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(ask.readAllStandardOutput());
}

void AccessibilityBus::stopAccessibilityBus()
{
    if (m_launcher.state() != QProcess::NotRunning) {
        ::kill(-static_cast<pid_t>(m_launcher.processId()), SIGTERM);
        m_launcher.waitForFinished(3000);
    }
}

AccessibilityBus::~AccessibilityBus()
{
    stopAccessibilityBus();
}

PasswordFieldsApp::PasswordFieldsApp(Toolkit toolkit, const std::string& display, const QString& sessionBusAddress,
                                     const QProcessEnvironment& extra)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(extra);
    environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(display));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), sessionBusAddress);
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("NO_AT_BRIDGE"));
    // Qt shows itself on the accessibility bus only when asked at start.
    environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    switch (toolkit) {
    case Toolkit::gtk3:
        m_process.start(QStringLiteral(KESTREL_TEST_SUPPORT_DIR "/a11y/password-fields-gtk"), {});
        break;
    case Toolkit::qt:
        m_process.start(QStringLiteral(KESTREL_PASSWORD_FIELDS_QT), {});
        break;
    case Toolkit::chromium:
        m_process.start(QStringLiteral(KESTREL_TEST_SUPPORT_DIR "/a11y/password-fields-chromium"), {});
        break;
    }
    QString ready;
    if (!m_process.waitForStarted(5000) || !awaitLine(QStringLiteral("ready "), &ready, 30000))
        return;
    const QStringList numbers = ready.split(' ', Qt::SkipEmptyParts);
    if (numbers.size() != 5)
        return;
    normalX = numbers[1].toInt();
    normalY = numbers[2].toInt();
    passwordX = numbers[3].toInt();
    passwordY = numbers[4].toInt();
    m_ready = true;
}

PasswordFieldsApp::~PasswordFieldsApp()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.write("quit\n");
        if (!m_process.waitForFinished(2000)) {
            m_process.kill();
            m_process.waitForFinished(2000);
        }
    }
}

std::string PasswordFieldsApp::said() const
{
    return "the test window said: " + m_said;
}

bool PasswordFieldsApp::focus(const char* field)
{
    m_process.write(QByteArray("focus ") + field + "\n");
    return awaitLine(QStringLiteral("focused ") + QString::fromLatin1(field));
}

bool PasswordFieldsApp::clear()
{
    m_process.write("clear\n");
    if (!awaitLine(QStringLiteral("cleared")))
        return false;
    m_normalLength = m_passwordLength = 0;
    return true;
}

bool PasswordFieldsApp::awaitLength(const char* field, int length, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    const auto current = [&] { return std::string_view(field) == "password" ? m_passwordLength : m_normalLength; };
    while (current() != length) {
        if (deadline.hasExpired())
            return false;
        awaitLine(QString::fromLatin1(field), nullptr, static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
    }
    return true;
}

bool PasswordFieldsApp::awaitFocus(const char* field, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (m_focus != QLatin1String(field)) {
        if (deadline.hasExpired())
            return false;
        awaitLine(QStringLiteral("has-focus "), nullptr,
                  static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
    }
    return true;
}

bool PasswordFieldsApp::awaitLine(const QString& prefix, QString* line, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    for (;;) {
        while (m_process.canReadLine()) {
            const QString said = QString::fromUtf8(m_process.readLine()).trimmed();
            m_said += said.toStdString() + "; ";
            note(said);
            if (said.startsWith(prefix)) {
                if (line)
                    *line = said;
                return true;
            }
        }
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
            return false;
        m_process.waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
    }
}

void PasswordFieldsApp::note(const QString& line)
{
    const QStringList words = line.split(' ');
    if (words.size() != 2)
        return;
    if (words[0] == QStringLiteral("normal"))
        m_normalLength = words[1].toInt();
    else if (words[0] == QStringLiteral("password"))
        m_passwordLength = words[1].toInt();
    else if (words[0] == QStringLiteral("has-focus"))
        m_focus = words[1];
}

} // namespace kestrel::test

namespace kestrel::test {

ScreenReader::ScreenReader(qint64 pid, const std::string& display, const QString& sessionBusAddress)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QString::fromStdString(display));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), sessionBusAddress);
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(KESTREL_TEST_SUPPORT_DIR "/a11y/screen-reader"), {QString::number(pid)});
    // The reader looks for the program for ten seconds.
    if (!m_process.waitForStarted(5000))
        return;
    while (!m_process.canReadLine() && m_process.waitForReadyRead(20000)) {}
    m_ready = m_process.canReadLine() && m_process.readLine().trimmed() == "ready";
}

ScreenReader::~ScreenReader()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.write("quit\n");
    if (!m_process.waitForFinished(2000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

QStringList ScreenReader::ask(const QStringList& command)
{
    if (m_process.state() != QProcess::Running)
        return {};
    m_process.write((command.join(u'\t') + u'\n').toUtf8());
    // Each look for a control lasts up to ten seconds.
    const QDeadlineTimer deadline(30000);
    while (!m_process.canReadLine()) {
        if (deadline.hasExpired() || !m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return {};
    }
    return QString::fromUtf8(m_process.readLine()).chopped(1).split(u'\t');
}

std::string ScreenReader::tree()
{
    QStringList controls = ask({QStringLiteral("tree")});
    if (!controls.isEmpty())
        controls.removeFirst();
    return "the screen reader sees: " + controls.join(QStringLiteral("; ")).toStdString();
}

} // namespace kestrel::test
