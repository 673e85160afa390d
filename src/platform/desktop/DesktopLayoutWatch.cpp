#include "platform/desktop/DesktopLayoutWatch.h"

#include "platform/desktop/SwayIpc.h"
#include "platform/linux/PosixFile.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QProcess>
#include <QSocketNotifier>

#include <array>
#include <cerrno>

#include <sys/socket.h>
#include <unistd.h>

namespace kestrel {

namespace {

const QString kdeService = QStringLiteral("org.kde.keyboard");
const QString kdePath = QStringLiteral("/Layouts");
const QString kdeInterface = QStringLiteral("org.kde.KeyboardLayouts");

} // namespace

DesktopLayoutWatch::DesktopLayoutWatch(std::string desktop, OnLayout onLayout)
    : m_desktop(std::move(desktop)), m_onLayout(std::move(onLayout))
{}

DesktopLayoutWatch::~DesktopLayoutWatch()
{
    stopSway();
    for (auto* process : {m_gnomeRead.get(), m_gnomeMonitor.get()}) {
        if (process && process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(1000);
        }
    }
}

std::unique_ptr<DesktopLayoutWatch> DesktopLayoutWatch::forThisSession(OnLayout onLayout, OnLayouts onLayouts)
{
    if (const QByteArray socket = qgetenv("SWAYSOCK"); !socket.isEmpty())
        return sway(socket.toStdString(), std::move(onLayout));
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'));
    if (desktops.contains(QStringLiteral("KDE")))
        return kde(QDBusConnection::sessionBus(), std::move(onLayout));
    if (desktops.contains(QStringLiteral("GNOME")))
        return gnome(std::move(onLayout), std::move(onLayouts));
    return nullptr;
}

std::unique_ptr<DesktopLayoutWatch> DesktopLayoutWatch::sway(const std::string& socketPath, OnLayout onLayout)
{
    std::unique_ptr<DesktopLayoutWatch> watch(new DesktopLayoutWatch("sway", std::move(onLayout)));
    watch->m_sway = posix::connectUnix(socketPath);
    if (watch->m_sway < 0)
        return nullptr;
    // The layout now, then every switch.
    if (!posix::sendAll(watch->m_sway, SwayIpc::message(SwayIpc::subscribe, R"(["input"])")) ||
        !posix::sendAll(watch->m_sway, SwayIpc::message(SwayIpc::getInputs, "")))
        return nullptr;
    watch->m_swayNotifier = std::make_unique<QSocketNotifier>(watch->m_sway, QSocketNotifier::Read);
    DesktopLayoutWatch* raw = watch.get();
    QObject::connect(watch->m_swayNotifier.get(), &QSocketNotifier::activated, [raw] { raw->readSway(); });
    return watch;
}

void DesktopLayoutWatch::readSway()
{
    std::array<char, 4096> chunk;
    const ssize_t count = ::recv(m_sway, chunk.data(), chunk.size(), MSG_DONTWAIT);
    if (count < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (count <= 0) {
        stopSway(); // sway went away
        return;
    }
    m_swayBuffer.append(chunk.data(), static_cast<std::size_t>(count));
    SwayIpc::Message message;
    for (;;) {
        const SwayIpc::Framing framing = SwayIpc::take(m_swayBuffer, message);
        if (framing == SwayIpc::Framing::garbage) {
            stopSway();
            return;
        }
        if (framing == SwayIpc::Framing::incomplete)
            return;
        if (const auto layout = SwayIpc::activeLayout(message))
            m_onLayout(*layout);
    }
}

void DesktopLayoutWatch::stopSway()
{
    // This may run inside the notifier's own signal: switched off now, deleted later.
    if (m_swayNotifier) {
        m_swayNotifier->setEnabled(false);
        m_swayNotifier.release()->deleteLater();
    }
    if (m_sway >= 0)
        ::close(m_sway);
    m_sway = -1;
}

std::unique_ptr<DesktopLayoutWatch> DesktopLayoutWatch::kde(QDBusConnection bus, OnLayout onLayout)
{
    std::unique_ptr<DesktopLayoutWatch> watch(new DesktopLayoutWatch("KDE", std::move(onLayout)));
    if (!bus.isConnected())
        return nullptr;
    bus.connect(kdeService, kdePath, kdeInterface, QStringLiteral("layoutChanged"), watch.get(),
                SLOT(kdeLayoutChanged(uint)));
    // The layout now, without waiting for it.
    auto* asked = new QDBusPendingCallWatcher(
        bus.asyncCall(QDBusMessage::createMethodCall(kdeService, kdePath, kdeInterface, QStringLiteral("getLayout"))),
        watch.get());
    DesktopLayoutWatch* raw = watch.get();
    QObject::connect(asked, &QDBusPendingCallWatcher::finished, [raw](QDBusPendingCallWatcher* call) {
        const QDBusPendingReply<uint> reply = *call;
        if (reply.isValid())
            raw->m_onLayout(reply.value());
        call->deleteLater();
    });
    return watch;
}

std::unique_ptr<DesktopLayoutWatch> DesktopLayoutWatch::gnome(OnLayout onLayout, OnLayouts onLayouts)
{
    std::unique_ptr<DesktopLayoutWatch> watch(new DesktopLayoutWatch("GNOME", std::move(onLayout)));
    watch->m_onLayouts = std::move(onLayouts);
    DesktopLayoutWatch* raw = watch.get();
    const QString schema = QStringLiteral("org.gnome.desktop.input-sources");
    // Every change from now on ("key: value" lines), then everything as it is now
    // ("schema key value" lines); a change that comes in between is read twice, harmlessly.
    watch->m_gnomeMonitor = std::make_unique<QProcess>();
    QProcess* monitor = watch->m_gnomeMonitor.get();
    QObject::connect(monitor, &QProcess::readyReadStandardOutput, [raw, monitor] {
        while (monitor->canReadLine()) {
            const QString line = QString::fromUtf8(monitor->readLine()).trimmed();
            const auto colon = line.indexOf(QLatin1Char(':'));
            if (colon > 0)
                raw->gnomeSetting(line.left(colon), line.mid(colon + 1).trimmed());
        }
    });
    monitor->setStandardErrorFile(QProcess::nullDevice());
    monitor->start(QStringLiteral("gsettings"), {QStringLiteral("monitor"), schema});
    watch->m_gnomeRead = std::make_unique<QProcess>();
    QProcess* read = watch->m_gnomeRead.get();
    QObject::connect(read, &QProcess::finished, [raw, read] {
        while (read->canReadLine()) {
            const QStringList fields = QString::fromUtf8(read->readLine()).trimmed().split(QLatin1Char(' '));
            if (fields.size() >= 3)
                raw->gnomeSetting(fields[1], fields.mid(2).join(QLatin1Char(' ')));
        }
    });
    read->setStandardErrorFile(QProcess::nullDevice());
    read->start(QStringLiteral("gsettings"), {QStringLiteral("list-recursively"), schema});
    if (!monitor->waitForStarted(2000))
        return nullptr; // no gsettings
    return watch;
}

void DesktopLayoutWatch::gnomeSetting(const QString& key, const QString& value)
{
    const std::string printed = value.toStdString();
    if (key == QStringLiteral("sources") || key == QStringLiteral("xkb-options")) {
        if (key == QStringLiteral("sources"))
            m_gnomeSources = GnomeInputSources::parseSources(printed);
        else
            m_gnomeOptions = GnomeInputSources::parseOptions(printed);
        const auto keymap = GnomeInputSources::keymapOf(m_gnomeSources, m_gnomeOptions);
        if (m_onLayouts && !keymap.layout.empty())
            m_onLayouts(keymap);
    } else if (key == QStringLiteral("mru-sources")) {
        m_gnomeRecent = GnomeInputSources::parseSources(printed);
    } else {
        return;
    }
    if (const auto layout = GnomeInputSources::activeLayout(m_gnomeSources, m_gnomeRecent))
        m_onLayout(*layout);
}

void DesktopLayoutWatch::kdeLayoutChanged(uint index)
{
    m_onLayout(index);
}

} // namespace kestrel
