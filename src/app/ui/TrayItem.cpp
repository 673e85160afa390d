#include "app/ui/TrayItem.h"

#include "app/AppInfo.h"
#include "app/AppUpdater.h"
#include "app/MenuCommands.h"
#include "app/ui/MenuBarIcon.h"
#include "app/ui/MenuPanel.h"
#include "common/ui/QtText.h"
#include "common/ui/Translated.h"
#include "overlay/Visualizer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QSystemTrayIcon>

namespace kestrel {

namespace {

// The menu's entries: the switch first, then the panel's rows, known by what they do (so a
// click means that row even when the rows changed meanwhile); dividers by their place.
constexpr int switchEntry = 1;
constexpr int firstRowEntry = 10;
constexpr int firstDividerEntry = 100;

int entryOf(MenuAction action)
{
    return firstRowEntry + static_cast<int>(action);
}

// The sizes StatusNotifier hosts choose from.
constexpr int iconSizes[] = {16, 22, 24, 32, 48};

// A host's point in Qt's device-independent pixels. On X11 hosts give the screen's pixels; on
// Wayland they give the compositor's logical ones, which are Qt's.
QPoint inQtPixels(const QPoint& point)
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        return point;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect geometry = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        const QRect native(geometry.topLeft(), geometry.size() * ratio);
        if (native.contains(point))
            return geometry.topLeft() + (point - geometry.topLeft()) / ratio;
    }
    return point;
}

// An icon's pixels as the tray item takes them.
IconPixels pixelsOf(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    IconPixels pixels{.width = argb.width(), .height = argb.height(), .argb = {}};
    pixels.argb.reserve(static_cast<std::size_t>(argb.width()) * static_cast<std::size_t>(argb.height()));
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        pixels.argb.insert(pixels.argb.end(), line, line + argb.width());
    }
    return pixels;
}

} // namespace

TrayItem::TrayItem(MenuCommands& commands, std::function<MenuPanel&()> panel,
                   const StatusItemService::Maker& makeStatusItem)
    : m_commands(commands), m_panel(std::move(panel))
{
    if (makeStatusItem) {
        m_statusNotifier = makeStatusItem(StatusItemService::Handlers{
            .activate = [this](int x, int y) { togglePanel(QRect(), inQtPixels(QPoint(x, y))); },
            .secondaryActivate = [this] { m_commands.setShowingKeys(!m_commands.services().visualizer.isRunning); },
            .menuAboutToShow = [this] { refreshMenu(); },
            .menuEntryClicked = [this](int id) { runMenuEntry(id); },
            .registrationChanged =
                [this](bool registered) {
                    if (registered)
                        showXEmbedIcon(false); // one icon: the StatusNotifier host's
                }});
    }
    // An XEmbed icon where no StatusNotifier host runs: X11 only, as XEmbed is.
    const bool watcherAtStart = m_statusNotifier && m_statusNotifier->hadWatcherAtStart();
    if (!watcherAtStart && QGuiApplication::platformName() == QStringLiteral("xcb"))
        showXEmbedIcon(true);

    const auto refreshOnChange = [this](bool) { refresh(); };
    Visualizer& visualizer = m_commands.services().visualizer;
    AppUpdater& updater = m_commands.services().updater;
    const auto running = visualizer.isRunning.subscribe(refreshOnChange);
    const auto pending = updater.reminders.isUpdatePending.subscribe(refreshOnChange);
    const auto canCheck = updater.canCheckForUpdates.subscribe(refreshOnChange);
    m_unsubscribe = {[&visualizer, running] { visualizer.isRunning.unsubscribe(running); },
                     [&updater, pending] { updater.reminders.isUpdatePending.unsubscribe(pending); },
                     [&updater, canCheck] { updater.canCheckForUpdates.unsubscribe(canCheck); }};
    refresh();
}

TrayItem::~TrayItem()
{
    for (const auto& unsubscribe : m_unsubscribe)
        unsubscribe();
}

bool TrayItem::hasTray() const
{
    if (m_statusNotifier && (m_statusNotifier->hadWatcherAtStart() || m_statusNotifier->isRegistered()))
        return true;
    return m_icon && QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayItem::showXEmbedIcon(bool show)
{
    if (!show) {
        m_icon.reset();
        return;
    }
    if (m_icon)
        return;
    m_icon = std::make_unique<QSystemTrayIcon>();
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            togglePanel(m_icon->geometry(), QCursor::pos());
        else if (reason == QSystemTrayIcon::MiddleClick)
            m_commands.setShowingKeys(!m_commands.services().visualizer.isRunning);
    });
    refresh();
    m_icon->show();
}

void TrayItem::togglePanel(const QRect& icon, const QPoint& pointer)
{
    MenuPanel& panel = m_panel();
    if (panel.isVisible())
        panel.hide();
    else
        panel.popUp(icon, pointer);
}

void TrayItem::refresh()
{
    const bool running = m_commands.services().visualizer.isRunning;
    const bool pending = m_commands.services().updater.reminders.isUpdatePending;
    // The theme's text colour, outlined in its window colour for trays that do not follow it.
    const QPalette palette = QGuiApplication::palette();
    const QColor color = palette.color(QPalette::WindowText);
    const QColor halo = palette.color(QPalette::Window);
    // Trays read the tooltip as the item's name.
    const QString name = qt(AppInfo::current().name);
    const QString toolTip = pending ? tr("%1, update available").arg(name) : name;
    if (m_icon) {
        m_icon->setIcon(menuBarIconSet(running, pending, color, halo));
        m_icon->setToolTip(toolTip);
    }
    if (m_statusNotifier) {
        std::vector<IconPixels> sizes;
        for (const int size : iconSizes)
            sizes.push_back(pixelsOf(menuBarIcon(running, pending, size, color, halo)));
        m_statusNotifier->setIcon(sizes);
        m_statusNotifier->setToolTip(toolTip.toStdString());
        refreshMenu();
    }
}

void TrayItem::refreshMenu()
{
    if (!m_statusNotifier)
        return;
    const MenuPanelModel model = m_commands.model();
    std::vector<TrayMenuEntry> entries{{.id = switchEntry,
                                        .kind = TrayMenuEntry::Kind::toggle,
                                        .label = model.name,
                                        .isEnabled = model.switchIsEnabled,
                                        .isChecked = model.switchIsOn},
                                       {.id = firstDividerEntry, .kind = TrayMenuEntry::Kind::separator}};
    int divider = firstDividerEntry;
    for (const MenuPanelItem& item : model.items) {
        if (const auto* row = std::get_if<MenuRowModel>(&item))
            entries.push_back({.id = entryOf(row->action),
                               .label = translated(row->title).toStdString(),
                               .isEnabled = row->isEnabled});
        else
            entries.push_back({.id = ++divider, .kind = TrayMenuEntry::Kind::separator});
    }
    m_statusNotifier->setMenu(std::move(entries));
}

void TrayItem::runMenuEntry(int id)
{
    const MenuPanelModel model = m_commands.model();
    if (id == switchEntry) {
        if (model.switchIsEnabled)
            m_commands.setShowingKeys(!model.switchIsOn);
        return;
    }
    // The row that does this now, if it is still there and enabled.
    for (const MenuPanelItem& item : model.items) {
        if (const auto* row = std::get_if<MenuRowModel>(&item); row && entryOf(row->action) == id) {
            if (row->isEnabled)
                m_commands.run(row->action);
            return;
        }
    }
}

} // namespace kestrel
