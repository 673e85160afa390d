#pragma once

#include "app/MenuPanelModel.h"
#include "common/Observable.h"
#include "common/ui/SwitchButton.h"
#include "platform/Scheduler.h"

#include <QAbstractButton>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QVBoxLayout;

namespace kestrel {

class AppUpdater;
class DefaultsStore;
class PermissionService;
class Visualizer;

// One command row of the panel, drawn like a menu item: symbol, title, then the update dot
// and the shortcut text at the right end; the accent colour behind it while the pointer is
// over it. A screen reader reads it as a button named by its title.
class MenuRowButton final : public QAbstractButton {
public:
    explicit MenuRowButton(MenuRowModel row, QWidget* parent = nullptr);

    const MenuRowModel& row() const { return m_row; }
    bool isHovered() const { return m_hovered; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    MenuRowModel m_row;
    bool m_hovered = false;
};

// The panel that opens under the tray icon: a header with Kestrel's name, the hot key and
// the switch for showing keys, then the command rows. It reads the visualizer, the updater
// and the permission each time it is shown and whenever what it shows changes while it is
// open; it keeps nothing of its own. A row's click closes the panel before its action runs.
class MenuPanel final : public QWidget {
public:
    struct Services {
        Visualizer& visualizer;
        AppUpdater& updater;
        PermissionService& permission;
        DefaultsStore& defaults;
        Scheduler& scheduler;
    };
    struct Actions {
        std::function<void()> openSettings;
        std::function<void()> openAbout;
        std::function<void()> quit;
    };

    MenuPanel(Services services, Actions actions);
    ~MenuPanel() override;

    // Shows the panel under the tray icon at `icon` (global, in Qt's pixels), above it when
    // the tray is at the bottom of the screen, or at `pointer` when the tray gives no place.
    void popUp(const QRect& icon, const QPoint& pointer);
    // Where the panel's top-left corner goes on a screen whose free area is `available`.
    static QPoint placement(const QRect& icon, const QPoint& pointer, const QSize& panel, const QRect& available);

    const MenuPanelModel& model() const { return m_model; }
    SwitchButton& showKeysSwitch() { return *m_switch; }
    std::vector<MenuRowButton*> rows() const;

    static constexpr int width = 280;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void rebuild();
    void rebuildRows();
    void run(MenuAction action);
    void setShowingKeys(bool on);
    void scheduleMinuteRefresh();

    Services m_services;
    Actions m_actions;
    MenuPanelModel m_model;
    QLabel* m_name = nullptr;
    QLabel* m_hotKey = nullptr;
    QLabel* m_subtitle = nullptr;
    QLabel* m_icon = nullptr;
    SwitchButton* m_switch = nullptr;
    QVBoxLayout* m_rows = nullptr;
    std::vector<QWidget*> m_rowWidgets;
    std::vector<std::function<void()>> m_unsubscribe;
    std::optional<Scheduler::Handle> m_minuteRefresh;
};

} // namespace kestrel
