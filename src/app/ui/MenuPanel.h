#pragma once

#include "app/MenuCommands.h"
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
// the switch for showing keys, then the command rows. It reads the rows from the menu's
// commands each time it is shown and whenever what it shows changes while it is open; it
// keeps nothing of its own. A row's click closes the panel before its action runs. It is
// 280 pixels wide, wider only where a text would not fit.
class MenuPanel final : public QWidget {
public:
    MenuPanel(MenuCommands& commands, Scheduler& scheduler);
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
    void setShowingKeys(bool on);
    void scheduleMinuteRefresh();

    MenuCommands& m_commands;
    Scheduler& m_scheduler;
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
