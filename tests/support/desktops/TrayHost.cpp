#include "support/desktops/TrayHost.h"

#include "support/EventLoop.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>

#include <optional>

namespace kestrel::test {

namespace {

QVariant property(const QDBusConnection& bus, const QString& service, const QString& path, const QString& interface,
                  const QString& name)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                       QStringLiteral("Get"));
    call << interface << name;
    const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
    return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).value<QDBusVariant>().variant()
                                                      : QVariant();
}

} // namespace

bool TrayHost::awaitKestrel()
{
    using namespace std::chrono_literals;
    return runEventLoopUntil(
        [&] {
            const QStringList items =
                property(m_bus, QStringLiteral("org.kde.StatusNotifierWatcher"),
                         QStringLiteral("/StatusNotifierWatcher"), QStringLiteral("org.kde.StatusNotifierWatcher"),
                         QStringLiteral("RegisteredStatusNotifierItems"))
                    .toStringList();
            for (const QString& item : items) {
                // A service, with the object's path after it where the host keeps one.
                const qsizetype slash = item.indexOf(QLatin1Char('/'));
                const QString service = slash < 0 ? item : item.left(slash);
                const QString path = slash < 0 ? QStringLiteral("/StatusNotifierItem") : item.mid(slash);
                if (property(m_bus, service, path, QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Id"))
                        .toString() == QStringLiteral("kestrel")) {
                    m_service = service;
                    m_path = path;
                    return true;
                }
            }
            return false;
        },
        15s, 100ms);
}

bool TrayHost::callItem(const QString& method, int x, int y)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(m_service, m_path, QStringLiteral("org.kde.StatusNotifierItem"), method);
    call << x << y;
    return m_bus.call(call, QDBus::Block, 3000).type() == QDBusMessage::ReplyMessage;
}

bool TrayHost::activate(int x, int y)
{
    return callItem(QStringLiteral("Activate"), x, y);
}

bool TrayHost::secondaryActivate(int x, int y)
{
    return callItem(QStringLiteral("SecondaryActivate"), x, y);
}

std::vector<std::pair<int, QVariantMap>> TrayHost::menuEntries(const QDBusMessage& layoutReply)
{
    std::vector<std::pair<int, QVariantMap>> entries;
    const QDBusArgument layout = layoutReply.arguments().value(1).value<QDBusArgument>();
    int rootId = 0;
    QVariantMap rootProperties;
    layout.beginStructure();
    layout >> rootId >> rootProperties;
    layout.beginArray();
    while (!layout.atEnd()) {
        QDBusVariant child;
        layout >> child;
        const QDBusArgument entry = child.variant().value<QDBusArgument>();
        int id = 0;
        QVariantMap properties;
        entry.beginStructure();
        entry >> id >> properties;
        entry.endStructure();
        entries.emplace_back(id, properties);
    }
    layout.endArray();
    layout.endStructure();
    return entries;
}

QString TrayHost::menuPath()
{
    return property(m_bus, m_service, m_path, QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Menu"))
        .value<QDBusObjectPath>()
        .path();
}

QString TrayHost::menuTextDirection()
{
    return property(m_bus, m_service, menuPath(), QStringLiteral("com.canonical.dbusmenu"),
                    QStringLiteral("TextDirection"))
        .toString();
}

bool TrayHost::clickMenuEntry(const QString& label)
{
    const QString menuPath = this->menuPath();
    const QString menu = QStringLiteral("com.canonical.dbusmenu");
    QDBusMessage call = QDBusMessage::createMethodCall(m_service, menuPath, menu, QStringLiteral("GetLayout"));
    call << 0 << -1 << QStringList();
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, 3000);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return false;
    std::optional<int> found;
    for (const auto& [id, properties] : menuEntries(reply)) {
        if (properties.value(QStringLiteral("label")).toString() == label)
            found = id;
    }
    if (!found)
        return false;
    QDBusMessage click = QDBusMessage::createMethodCall(m_service, menuPath, menu, QStringLiteral("Event"));
    click << *found << QStringLiteral("clicked") << QVariant::fromValue(QDBusVariant(0)) << 0u;
    return m_bus.call(click, QDBus::Block, 3000).type() == QDBusMessage::ReplyMessage;
}

} // namespace kestrel::test
