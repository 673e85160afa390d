#include "app/ui/TrayItem.h"

#include "app/AppInfo.h"
#include "app/AppUpdater.h"
#include "app/ui/MenuBarIcon.h"
#include "app/ui/MenuPanel.h"
#include "overlay/Visualizer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPalette>
#include <QSystemTrayIcon>

namespace kestrel {

TrayItem::TrayItem(Visualizer& visualizer, AppUpdater& updater, std::function<MenuPanel&()> panel)
    : m_visualizer(visualizer),
      m_updater(updater),
      m_panel(std::move(panel)),
      m_icon(std::make_unique<QSystemTrayIcon>())
{
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason != QSystemTrayIcon::Trigger)
            return;
        MenuPanel& panel = m_panel();
        if (panel.isVisible())
            panel.hide();
        else
            panel.popUp(m_icon->geometry(), QCursor::pos());
    });
    const auto refreshOnChange = [this](bool) { refresh(); };
    const auto running = m_visualizer.isRunning.subscribe(refreshOnChange);
    const auto pending = m_updater.reminders.isUpdatePending.subscribe(refreshOnChange);
    m_unsubscribe = {[this, running] { m_visualizer.isRunning.unsubscribe(running); },
                     [this, pending] { m_updater.reminders.isUpdatePending.unsubscribe(pending); }};
    refresh();
    m_icon->show();
}

TrayItem::~TrayItem()
{
    for (const auto& unsubscribe : m_unsubscribe)
        unsubscribe();
}

bool TrayItem::isTrayAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayItem::refresh()
{
    const bool pending = m_updater.reminders.isUpdatePending;
    // The theme's text colour, outlined in its window colour for trays that do not follow it.
    const QPalette palette = QGuiApplication::palette();
    m_icon->setIcon(menuBarIconSet(m_visualizer.isRunning, pending, palette.color(QPalette::WindowText),
                                   palette.color(QPalette::Window)));
    // Trays read the tooltip as the item's name.
    const QString name = QString::fromStdString(AppInfo::current().name);
    m_icon->setToolTip(pending ? name + QStringLiteral(", update available") : name);
}

} // namespace kestrel
