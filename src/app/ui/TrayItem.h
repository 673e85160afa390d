#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QSystemTrayIcon;

namespace kestrel {

class AppUpdater;
class MenuPanel;
class Visualizer;

// Kestrel's item in the system tray. Its icon shows whether keys are shown and whether an
// update waits, and follows both the moment they change; a left click opens the menu panel
// under it. Without a tray the item is silent: the hot key and a second launch of Kestrel
// reach everything the panel offers.
class TrayItem final : public QObject {
public:
    // The panel is built the first time the icon is clicked.
    TrayItem(Visualizer& visualizer, AppUpdater& updater, std::function<MenuPanel&()> panel);
    ~TrayItem() override;

    // Whether the desktop offers a tray to put the item in.
    static bool isTrayAvailable();
    QSystemTrayIcon& icon() { return *m_icon; }

private:
    void refresh();

    Visualizer& m_visualizer;
    AppUpdater& m_updater;
    std::function<MenuPanel&()> m_panel;
    std::unique_ptr<QSystemTrayIcon> m_icon;
    std::vector<std::function<void()>> m_unsubscribe;
};

} // namespace kestrel
