#include "platform/qt/DesktopLayoutWatch.h"

#include "platform/linux/SwayIpc.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace kestrel {

namespace {

const QString kdeService = QStringLiteral("org.kde.keyboard");
const QString kdePath = QStringLiteral("/Layouts");
const QString kdeInterface = QStringLiteral("org.kde.KeyboardLayouts");

// Writes all of `bytes`, or says it could not.
bool sendAll(int fd, const std::string& bytes)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t count = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        sent += static_cast<std::size_t>(count);
    }
    return true;
}

} // namespace

DesktopLayoutWatch::DesktopLayoutWatch(std::string desktop, OnLayout onLayout)
    : m_desktop(std::move(desktop)), m_onLayout(std::move(onLayout))
{}

DesktopLayoutWatch::~DesktopLayoutWatch()
{
    stopSway();
}

std::unique_ptr<DesktopLayoutWatch> DesktopLayoutWatch::forThisSession(OnLayout onLayout)
{
    if (const QByteArray socket = qgetenv("SWAYSOCK"); !socket.isEmpty())
        return sway(socket.toStdString(), std::move(onLayout));
    if (qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':')).contains(QStringLiteral("KDE")))
        return kde(QDBusConnection::sessionBus(), std::move(onLayout));
    return nullptr;
}

std::unique_ptr<DesktopLayoutWatch> DesktopLayoutWatch::sway(const std::string& socketPath, OnLayout onLayout)
{
    std::unique_ptr<DesktopLayoutWatch> watch(new DesktopLayoutWatch("sway", std::move(onLayout)));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof(address.sun_path))
        return nullptr;
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    watch->m_sway = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (watch->m_sway < 0 ||
        ::connect(watch->m_sway, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0)
        return nullptr;
    // The layout now, then every switch.
    if (!sendAll(watch->m_sway, SwayIpc::message(SwayIpc::subscribe, R"(["input"])")) ||
        !sendAll(watch->m_sway, SwayIpc::message(SwayIpc::getInputs, "")))
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
    m_swayNotifier.reset();
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

void DesktopLayoutWatch::kdeLayoutChanged(uint index)
{
    m_onLayout(index);
}

} // namespace kestrel
