#include "support/dbus/FakeLogind.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

// A user's graphical session as logind's User.Display gives it: (id, object path).
struct SessionReference {
    QString id;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const SessionReference& session)
{
    argument.beginStructure();
    argument << session.id << session.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, SessionReference& session)
{
    argument.beginStructure();
    argument >> session.id >> session.path;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(SessionReference)

namespace kestrel::test {

namespace {
const QString sessionInterface = QStringLiteral("org.freedesktop.login1.Session");
} // namespace

FakeLogind::FakeLogind(QDBusConnection bus) : m_bus(std::move(bus))
{
    qDBusRegisterMetaType<SessionReference>();
    m_bus.registerService(QStringLiteral("org.freedesktop.login1"));
    m_bus.registerVirtualObject(QStringLiteral("/org/freedesktop/login1"), this, QDBusConnection::SubPath);
}

bool FakeLogind::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    const QString member = message.member();
    const QString session = QString::fromLatin1(sessionPath);
    QDBusMessage reply;
    if (member == QStringLiteral("GetSessionByPID")) {
        reply = processHasSession ? message.createReply(QVariant::fromValue(QDBusObjectPath(session)))
                                  : message.createErrorReply(QStringLiteral("org.freedesktop.login1.NoSessionForPID"),
                                                             QStringLiteral("no session"));
    } else if (member == QStringLiteral("GetUser")) {
        reply = message.createReply(QVariant::fromValue(QDBusObjectPath("/org/freedesktop/login1/user/_1000")));
    } else if (member == QStringLiteral("Get") && message.arguments().value(1) == QStringLiteral("Display")) {
        const SessionReference display{QStringLiteral("32"), QDBusObjectPath(session)};
        reply = message.createReply(QVariant::fromValue(QDBusVariant(QVariant::fromValue(display))));
    } else if (member == QStringLiteral("Get") && message.arguments().value(1) == QStringLiteral("LockedHint")) {
        ++lockedHintReads;
        reply = message.createReply(QVariant::fromValue(QDBusVariant(locked.load())));
    } else if (member == QStringLiteral("Get") && message.arguments().value(1) == QStringLiteral("Active")) {
        reply = message.createReply(QVariant::fromValue(QDBusVariant(active.load())));
    } else {
        return false;
    }
    connection.send(reply);
    return true;
}

void FakeLogind::propertyChanged(const QString& name, bool value)
{
    QDBusMessage changed =
        QDBusMessage::createSignal(QString::fromLatin1(sessionPath), QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    changed << sessionInterface << QVariantMap{{name, value}} << QStringList{};
    m_bus.send(changed);
}

void FakeLogind::setActive(bool now)
{
    active = now;
    propertyChanged(QStringLiteral("Active"), now);
}

void FakeLogind::setLocked(bool now)
{
    locked = now;
    propertyChanged(QStringLiteral("LockedHint"), now);
}

void FakeLogind::emitSignal(const QString& interface, const QString& name, const QList<QVariant>& arguments)
{
    QDBusMessage message = QDBusMessage::createSignal(QString::fromLatin1(sessionPath), interface, name);
    message.setArguments(arguments);
    m_bus.send(message);
}

} // namespace kestrel::test
