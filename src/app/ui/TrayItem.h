#pragma once

#include "platform/StatusItemService.h"

#include <QCoreApplication>
#include <QObject>

#include <functional>
#include <memory>

class QSystemTrayIcon;

namespace kestrel {

class MenuCommands;
class MenuPanel;

// Kestrel's item in the system tray. Its icon shows whether keys are shown and whether an
// update waits, and follows both the moment they change; a click opens the menu panel where
// the tray says it was clicked, a middle click switches keys on or off, and trays that show a
// menu on a right click show the panel's rows there.
//
// Where a StatusNotifier host runs (KDE Plasma, GNOME's AppIndicator extension, Xfce) the
// item is Kestrel's own over D-Bus; elsewhere on X11 it is an XEmbed icon, until such a host
// appears. Without a tray the item is silent: the hot key and a second launch of Kestrel
// reach everything the panel offers.
class TrayItem final : public QObject {
    Q_DECLARE_TR_FUNCTIONS(TrayItem)

public:
    // The panel is built the first time the icon is clicked; the StatusNotifier item is made
    // at once, where the maker can.
    TrayItem(MenuCommands& commands, std::function<MenuPanel&()> panel, const StatusItemService::Maker& makeStatusItem);
    ~TrayItem() override;

    // Whether the item has (or is being given) a place in a tray.
    bool hasTray() const;

private:
    void refresh();
    void refreshMenu();
    void togglePanel(const QRect& icon, const QPoint& pointer);
    void runMenuEntry(int id);
    void showXEmbedIcon(bool show);

    MenuCommands& m_commands;
    std::function<MenuPanel&()> m_panel;
    std::unique_ptr<StatusItemService> m_statusNotifier;
    std::unique_ptr<QSystemTrayIcon> m_icon; // XEmbed, while no StatusNotifier host took the item
    std::vector<std::function<void()>> m_unsubscribe;
};

} // namespace kestrel
