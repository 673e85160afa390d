#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QStringList>

namespace kestrel::test {

// A tray host's watcher, as Xfce's panel or GNOME's extension runs it: it records the items
// that register ("service/path", the sender's name where an item gives only its path) and
// lists them as a host reads them.
class FakeWatcher final : public QDBusVirtualObject {
public:
    static inline const QString name = QStringLiteral("org.kde.StatusNotifierWatcher");

    explicit FakeWatcher(QDBusConnection bus) : m_bus(std::move(bus))
    {
        m_isServing =
            m_bus.registerVirtualObject(QStringLiteral("/StatusNotifierWatcher"), this) && m_bus.registerService(name);
    }
    ~FakeWatcher() override
    {
        m_bus.unregisterService(name);
        m_bus.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
    }

    bool isServing() const { return m_isServing; }

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.member() == QStringLiteral("RegisterStatusNotifierItem")) {
            const QString item = message.arguments().value(0).toString();
            items.append(item.startsWith(QLatin1Char('/')) ? message.service() + item : item);
            connection.send(message.createReply());
            return true;
        }
        if (message.member() == QStringLiteral("Get") &&
            message.arguments().value(1).toString() == QStringLiteral("RegisteredStatusNotifierItems")) {
            connection.send(message.createReply(QVariant::fromValue(QDBusVariant(items))));
            return true;
        }
        return false;
    }

    QStringList items;

private:
    QDBusConnection m_bus;
    bool m_isServing = false;
};

} // namespace kestrel::test
