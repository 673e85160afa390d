#pragma once

#include <QDBusConnection>
#include <QString>

#include <QDBusMessage>
#include <QVariantMap>

#include <utility>
#include <vector>

namespace kestrel::test {

// The test in a tray host's place: it finds Kestrel's StatusNotifier item through the
// watcher on `bus` and clicks it and its menu as a bar would.
class TrayHost {
public:
    explicit TrayHost(QDBusConnection bus) : m_bus(std::move(bus)) {}

    // Kestrel's item as the watcher lists it ("service" and "path"), once it is registered.
    bool awaitKestrel();
    const QString& service() const { return m_service; }

    bool activate(int x, int y);
    bool secondaryActivate(int x, int y);
    // The menu entry with this label, clicked; false when there is none.
    bool clickMenuEntry(const QString& label);
    // "ltr" or "rtl", as the menu says its texts read.
    QString menuTextDirection();

    // The entries of a menu (id, properties) from its answer to GetLayout(0, -1, []).
    static std::vector<std::pair<int, QVariantMap>> menuEntries(const QDBusMessage& layoutReply);

private:
    bool callItem(const QString& method, int x, int y);
    QString menuPath();

    QDBusConnection m_bus;
    QString m_service;
    QString m_path;
};

} // namespace kestrel::test
