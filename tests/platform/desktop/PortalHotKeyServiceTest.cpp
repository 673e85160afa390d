#include "platform/desktop/PortalHotKeyService.h"

#include "support/EventLoop.h"
#include "support/dbus/PrivateBus.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QMutex>
#include <QThread>

namespace kestrel {
namespace {

const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

// The desktop portal's global shortcuts as KDE's offers them, on a thread of its own.
class FakePortal final : public QDBusVirtualObject {
public:
    explicit FakePortal(QDBusConnection bus) : m_bus(std::move(bus))
    {
        EXPECT_TRUE(m_bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        EXPECT_TRUE(m_bus.registerVirtualObject(portalPath, this, QDBusConnection::SubPath));
    }

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        const QString member = message.member();
        const QList<QVariant> arguments = message.arguments();
        if (member == QStringLiteral("Get")) {
            connection.send(message.createReply(QVariant::fromValue(QDBusVariant(uint{1}))));
            return true;
        }
        if (member == QStringLiteral("Close")) {
            QMutexLocker lock(&m_mutex);
            closed.append(message.path());
            connection.send(message.createReply());
            return true;
        }
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QVariantMap options = asMap(arguments.constLast());
        const QString request = QStringLiteral("%1/request/%2/%3")
                                    .arg(portalPath, sender, options.value(QStringLiteral("handle_token")).toString());
        QVariantMap results;
        if (member == QStringLiteral("CreateSession")) {
            const QString session =
                QStringLiteral("%1/session/%2/%3")
                    .arg(portalPath, sender, options.value(QStringLiteral("session_handle_token")).toString());
            results.insert(QStringLiteral("session_handle"), QVariant::fromValue(QDBusObjectPath(session)));
            QMutexLocker lock(&m_mutex);
            sessions.append(session);
        } else if (member == QStringLiteral("BindShortcuts")) {
            const QDBusArgument shortcuts = arguments.value(1).value<QDBusArgument>();
            QMutexLocker lock(&m_mutex);
            shortcuts.beginArray();
            while (!shortcuts.atEnd()) {
                QString id;
                QVariantMap properties;
                shortcuts.beginStructure();
                shortcuts >> id >> properties;
                shortcuts.endStructure();
                bound.append(id + QLatin1Char(' ') + properties.value(QStringLiteral("preferred_trigger")).toString() +
                             QLatin1Char(' ') + properties.value(QStringLiteral("description")).toString());
            }
            shortcuts.endArray();
        } else {
            return false;
        }
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        QDBusMessage response = QDBusMessage::createSignal(request, QStringLiteral("org.freedesktop.portal.Request"),
                                                           QStringLiteral("Response"));
        response << uint{0} << results;
        connection.send(response);
        return true;
    }

    // The user pressed the shortcut `id` of `session`.
    void press(const QString& session, const QString& id)
    {
        QDBusMessage activated =
            QDBusMessage::createSignal(portalPath, shortcutsInterface, QStringLiteral("Activated"));
        activated << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong{1} << QVariantMap{};
        m_bus.send(activated);
    }

    template <typename Read>
    auto read(Read what)
    {
        QMutexLocker lock(&m_mutex);
        return what();
    }

    QStringList sessions;
    QStringList bound;
    QStringList closed;

private:
    static QVariantMap asMap(const QVariant& value)
    {
        QVariantMap map;
        if (value.canConvert<QDBusArgument>())
            value.value<QDBusArgument>() >> map;
        return map;
    }

    QDBusConnection m_bus;
    QMutex m_mutex;
};

TEST(PortalHotKeyService, BindsTheHotKeyThroughThePortalAndHearsItsPresses)
{
    test::PrivateBus bus;
    ASSERT_TRUE(bus.isRunning()) << bus.error();
    EXPECT_FALSE(PortalHotKeyService::create(QDBusConnection::connectToBus(bus.address(), QStringLiteral("early"))))
        << "no portal yet";

    QThread thread;
    thread.start();
    auto portal = std::make_unique<FakePortal>(QDBusConnection::connectToBus(bus.address(), QStringLiteral("portal")));
    portal->moveToThread(&thread);
    {
        const auto service =
            PortalHotKeyService::create(QDBusConnection::connectToBus(bus.address(), QStringLiteral("kestrel")));
        ASSERT_TRUE(service);
        int pressed = 0;
        // Kestrel's connection has taken in whatever the portal sent before once a call to the
        // portal has come back on it, and handed it on once the posted events are delivered.
        const auto throughTheBus = [&] {
            QDBusMessage get = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.portal.Desktop"), portalPath,
                QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
            get << shortcutsInterface << QStringLiteral("version");
            EXPECT_EQ(QDBusConnection(QStringLiteral("kestrel")).call(get).type(), QDBusMessage::ReplyMessage);
            QCoreApplication::sendPostedEvents();
        };
        const auto registration = service->registerHotKey(
            36, HotKeyModifier::control | HotKeyModifier::option | HotKeyModifier::command, {}, [&] { ++pressed; });
        ASSERT_TRUE(registration);
        ASSERT_TRUE(test::runEventLoopUntil([&] { return portal->read([&] { return portal->bound.size(); }) == 1; }));
        EXPECT_EQ(portal->read([&] { return portal->bound.front(); }),
                  QStringLiteral("toggle CTRL+ALT+LOGO+Return Show keys, or stop showing them"));
        const QString session = portal->read([&] { return portal->sessions.front(); });

        // Another session's shortcut, or another shortcut, is not Kestrel's.
        portal->press(session + QStringLiteral("x"), QStringLiteral("toggle"));
        portal->press(session, QStringLiteral("other"));
        portal->press(session, QStringLiteral("toggle"));
        throughTheBus();
        EXPECT_EQ(pressed, 1);

        service->unregisterHotKey(*registration);
        ASSERT_TRUE(test::runEventLoopUntil([&] { return portal->read([&] { return portal->closed.size(); }) == 1; }));
        EXPECT_EQ(portal->read([&] { return portal->closed.front(); }), session);
        portal->press(session, QStringLiteral("toggle"));
        throughTheBus();
        EXPECT_EQ(pressed, 1);
    }
    thread.quit();
    thread.wait();
    portal.reset();
    for (const char* name : {"early", "portal", "kestrel"})
        QDBusConnection::disconnectFromBus(QString::fromLatin1(name));
}

} // namespace
} // namespace kestrel
