#include "platform/desktop/LogindSessionLock.h"

#include "common/ui/Translated.h"
#include "platform/qt/DBusNames.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include <unistd.h>

namespace kestrel {

namespace {

const QString service = QStringLiteral("org.freedesktop.login1");
const QString managerPath = QStringLiteral("/org/freedesktop/login1");
const QString managerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString sessionInterface = QStringLiteral("org.freedesktop.login1.Session");
const QString userInterface = QStringLiteral("org.freedesktop.login1.User");
const QString lockedHint = QStringLiteral("LockedHint");
const QString activeProperty = QStringLiteral("Active");

// The single argument of a successful reply, or an invalid value.
QVariant answer(QDBusConnection& bus, const QDBusMessage& call)
{
    const QDBusMessage reply = bus.call(call, QDBus::Block, dbus::answerTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst();
}

QVariant readProperty(QDBusConnection& bus, const QString& path, const QString& interface, const QString& name)
{
    QDBusMessage get = QDBusMessage::createMethodCall(service, path, dbus::propertiesInterface, QStringLiteral("Get"));
    get << interface << name;
    const QVariant value = answer(bus, get);
    return value.isValid() ? value.value<QDBusVariant>().variant() : QVariant{};
}

} // namespace

LogindSessionLock::LogindSessionLock(QDBusConnection bus, std::chrono::milliseconds unansweredLock)
    : m_bus(std::move(bus))
{
    m_lockAnswer.setSingleShot(true);
    m_lockAnswer.setInterval(unansweredLock);
    QObject::connect(&m_lockAnswer, &QTimer::timeout, this, [this] {
        m_lockRequested = false;
        update();
    });
    if (!m_bus.isConnected()) {
        m_problem =
            translatedText(KESTREL_TEXT("SessionLock", "there is no system bus to ask whether the screen is locked"));
        return;
    }
    m_session = findSession();
    if (m_session.isEmpty()) {
        m_problem = translatedText(KESTREL_TEXT(
            "SessionLock", "systemd-logind knows no session of this user to ask whether the screen is locked"));
        return;
    }
    // Watch before reading, so a change in between is not missed.
    m_bus.connect(service, m_session, dbus::propertiesInterface, QStringLiteral("PropertiesChanged"), this,
                  SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    m_bus.connect(service, m_session, sessionInterface, QStringLiteral("Lock"), this, SLOT(lockRequested()));
    m_bus.connect(service, m_session, sessionInterface, QStringLiteral("Unlock"), this, SLOT(unlockRequested()));
    readProperties();
}

QString LogindSessionLock::findSession()
{
    QDBusMessage byProcess =
        QDBusMessage::createMethodCall(service, managerPath, managerInterface, QStringLiteral("GetSessionByPID"));
    byProcess << static_cast<uint>(QCoreApplication::applicationPid());
    if (const QVariant path = answer(m_bus, byProcess); path.isValid())
        return path.value<QDBusObjectPath>().path();
    // Started outside the session (by a user service, say): the user's graphical session.
    QDBusMessage byUser =
        QDBusMessage::createMethodCall(service, managerPath, managerInterface, QStringLiteral("GetUser"));
    byUser << static_cast<uint>(::getuid());
    const QVariant user = answer(m_bus, byUser);
    if (!user.isValid())
        return {};
    const QVariant display =
        readProperty(m_bus, user.value<QDBusObjectPath>().path(), userInterface, QStringLiteral("Display"));
    // Display is (session id, object path), marshalled as a structure.
    if (!display.canConvert<QDBusArgument>())
        return {};
    const QDBusArgument structure = display.value<QDBusArgument>();
    QString id;
    QDBusObjectPath path;
    structure.beginStructure();
    structure >> id >> path;
    structure.endStructure();
    return id.isEmpty() ? QString{} : path.path();
}

void LogindSessionLock::readProperties()
{
    if (const QVariant locked = readProperty(m_bus, m_session, sessionInterface, lockedHint); locked.isValid())
        m_lockedHint = locked.toBool();
    if (const QVariant active = readProperty(m_bus, m_session, sessionInterface, activeProperty); active.isValid())
        m_active = active.toBool();
    update();
}

void LogindSessionLock::propertiesChanged(const QString& interface, const QVariantMap& changed,
                                          const QStringList& invalidated)
{
    if (interface != sessionInterface)
        return;
    if (invalidated.contains(lockedHint) || invalidated.contains(activeProperty)) {
        readProperties();
        return;
    }
    if (const auto found = changed.find(lockedHint); found != changed.end()) {
        m_lockedHint = found->toBool();
        // The locker has answered the request, one way or the other.
        m_lockRequested = false;
        m_lockAnswer.stop();
    }
    if (const auto found = changed.find(activeProperty); found != changed.end())
        m_active = found->toBool();
    update();
}

void LogindSessionLock::lockRequested()
{
    // The locker is asked to lock: withhold keys from now, before it says it has; a locker
    // that never says so (it does not tell logind) is not waited for long.
    m_lockRequested = true;
    m_lockAnswer.start();
    update();
}

void LogindSessionLock::unlockRequested()
{
    // Asked to unlock: LockedHint says when the locker has let go.
    m_lockRequested = false;
    m_lockAnswer.stop();
    readProperties();
}

void LogindSessionLock::update()
{
    const bool withholds = m_lockedHint || m_lockRequested || !m_active;
    if (withholds == m_withholds)
        return;
    if (!withholds && beforeRelease)
        beforeRelease();
    m_withholds = withholds;
    if (onChange)
        onChange(withholds);
}

} // namespace kestrel
