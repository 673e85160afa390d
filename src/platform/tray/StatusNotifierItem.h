#pragma once

#include "platform/StatusItemService.h"
#include "platform/qt/SessionBus.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QDBusServiceWatcher;

namespace kestrel {

class StatusNotifierItemAdaptor;
class DBusMenuAdaptor;

// Kestrel's item in a StatusNotifier tray (KDE Plasma, GNOME's AppIndicator extension, Xfce's
// panel): the icon and tooltip exported over the session bus, registered with the host's
// watcher whenever one runs, again after it restarts. The host tells where it was clicked
// (`Activate(x, y)`), so the panel can open there; its menu is exported with the D-Bus menu
// protocol. Nothing here polls: the bus wakes Kestrel only when a host asks something.
class StatusNotifierItem final : public QObject, public StatusItemService {
    Q_OBJECT

public:
    using Handlers = StatusItemService::Handlers;

    static constexpr const char* watcherService = "org.kde.StatusNotifierWatcher";

    // Exports the item on `bus` under `id` (the application's name in the host's lists), and
    // again whenever the bus comes back after its daemon ended.
    StatusNotifierItem(SessionBus& bus, QString id, QString title, Handlers handlers);
    ~StatusNotifierItem() override;

    // Whether a StatusNotifier host's watcher runs on the bus now.
    static bool isWatcherRunning(const QDBusConnection& bus);
    // Whether a watcher ran when the item was made (asked once, then).
    bool hadWatcherAtStart() const override { return m_watcherAtStart; }
    // Whether the watcher took this item up.
    bool isRegistered() const override { return m_registered; }
    // The bus name the item is exported under.
    const QString& serviceName() const { return m_serviceName; }

    void setIcon(const std::vector<IconPixels>& sizes) override;
    void setToolTip(const std::string& title) override;
    void setMenu(std::vector<TrayMenuEntry> entries) override;

private:
    friend class StatusNotifierItemAdaptor;
    friend class DBusMenuAdaptor;

    // Whether a host's watcher runs there.
    bool exportOn(const QDBusConnection& bus);
    void registerWithWatcher();
    void setRegistered(bool registered);

    QDBusConnection m_bus;
    QString m_serviceName;
    QString m_id;
    QString m_title;
    QString m_toolTip;
    std::vector<IconPixels> m_icon;
    std::vector<TrayMenuEntry> m_menu;
    unsigned m_menuRevision = 1;
    Handlers m_handlers;
    bool m_watcherAtStart = false;
    bool m_registered = false;
    QObject* m_menuObject = nullptr; // the menu's object on the bus, a child of this one
    StatusNotifierItemAdaptor* m_itemAdaptor = nullptr;
    DBusMenuAdaptor* m_menuAdaptor = nullptr;
    QDBusServiceWatcher* m_watcher = nullptr;
};

} // namespace kestrel
