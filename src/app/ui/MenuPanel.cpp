#include "app/ui/MenuPanel.h"

#include "app/AppInfo.h"
#include "app/AppUpdater.h"
#include "app/ui/MenuBarIcon.h"
#include "common/ui/QtText.h"
#include "common/ui/SecondaryText.h"
#include "common/ui/Symbols.h"
#include "common/ui/Translated.h"
#include "common/ui/UpdateMark.h"
#include "overlay/Visualizer.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QShortcut>
#include <QTime>
#include <QVBoxLayout>

namespace kestrel {

namespace {

// Measures of the panel, in Qt's device-independent pixels.
constexpr int panelPadding = 5;
constexpr int rowPaddingX = 9;
constexpr int rowPaddingY = 4;
constexpr int rowSpacing = 8;
constexpr int symbolWidth = 16;
constexpr double rowCornerRadius = 11;
constexpr int dotDiameter = 8;
constexpr int dividerPaddingY = 5;
constexpr int fontSize = 13;
constexpr int subtitleFontSize = 12;

QFont panelFont(int pixelSize, bool semibold = false)
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(pixelSize);
    if (semibold)
        font.setWeight(QFont::DemiBold);
    return font;
}

// A thin line between groups of rows, inset like the rows' text.
class MenuDividerWidget final : public QWidget {
public:
    explicit MenuDividerWidget(QWidget* parent) : QWidget(parent) { setFixedHeight(2 * dividerPaddingY + 1); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(QRect(rowPaddingX, dividerPaddingY, width() - 2 * rowPaddingX, 1),
                         palette().color(QPalette::Mid));
    }
};

} // namespace

MenuRowButton::MenuRowButton(MenuRowModel row, QWidget* parent) : QAbstractButton(parent), m_row(std::move(row))
{
    setText(translated(m_row.title));
    setEnabled(m_row.isEnabled);
    setToolTip(translated(m_row.toolTip));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    if (m_row.showsDot)
        setAccessibleDescription(UpdateMark::accessibleName());
    if (!m_row.shortcut.empty())
        setShortcut(QKeySequence(qt(m_row.shortcut))); // works while the panel has the keyboard
}

QSize MenuRowButton::sizeHint() const
{
    // Wide enough for all it shows, and never narrower than the panel's standard width.
    const QFontMetrics title(panelFont(fontSize, m_row.isEmphasized));
    const QFontMetrics regular(panelFont(fontSize));
    int content = 2 * rowPaddingX + title.horizontalAdvance(text());
    if (!m_row.systemImage.empty())
        content += symbolWidth + rowSpacing;
    if (m_row.showsDot)
        content += rowSpacing + dotDiameter;
    if (!m_row.shortcut.empty())
        content += rowSpacing + regular.horizontalAdvance(qt(m_row.shortcut));
    const int height = std::max(QFontMetrics(panelFont(fontSize, true)).height(), symbolWidth) + 2 * rowPaddingY;
    return {std::max(MenuPanel::width - 2 * panelPadding, content), height};
}

void MenuRowButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool highlighted = m_hovered && isEnabled();
    const QPalette& colors = palette();
    if (highlighted) {
        QPainterPath background;
        background.addRoundedRect(QRectF(rect()), rowCornerRadius, rowCornerRadius);
        painter.fillPath(background, colors.color(QPalette::Highlight));
    }
    const QColor foreground = highlighted   ? QColor(Qt::white)
                              : isEnabled() ? colors.color(QPalette::WindowText)
                                            : secondaryTextColor(colors);
    int x = rowPaddingX;
    const int middle = height() / 2;
    if (!m_row.systemImage.empty()) {
        painter.drawImage(QPointF(x, middle - symbolWidth / 2.0),
                          Symbols::image(qt(m_row.systemImage), symbolWidth, devicePixelRatioF(), foreground));
        x += symbolWidth + rowSpacing;
    }
    int right = width() - rowPaddingX;
    if (!m_row.shortcut.empty()) {
        painter.setFont(panelFont(fontSize));
        QColor shortcutColor = highlighted ? QColor(255, 255, 255, 204) : secondaryTextColor(colors);
        painter.setPen(shortcutColor);
        const int textWidth = painter.fontMetrics().horizontalAdvance(qt(m_row.shortcut));
        painter.drawText(QRect(right - textWidth, 0, textWidth, height()), Qt::AlignVCenter, qt(m_row.shortcut));
        right -= textWidth + rowSpacing;
    }
    if (m_row.showsDot) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(UpdateMark::color(highlighted));
        painter.drawEllipse(QRectF(right - dotDiameter, middle - dotDiameter / 2.0, dotDiameter, dotDiameter));
        right -= dotDiameter + rowSpacing;
    }
    painter.setFont(panelFont(fontSize, m_row.isEmphasized));
    painter.setPen(foreground);
    painter.drawText(QRect(x, 0, right - x, height()), Qt::AlignVCenter | Qt::AlignLeft, text());
}

void MenuRowButton::enterEvent(QEnterEvent* event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void MenuRowButton::leaveEvent(QEvent* event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

MenuPanel::MenuPanel(MenuCommands& commands, Scheduler& scheduler)
    : QWidget(nullptr, Qt::Popup), m_commands(commands), m_scheduler(scheduler)
{
    setWindowTitle(QCoreApplication::translate("MenuPanel", "%1 panel").arg(qt(AppInfo::current().name)));
    setFixedWidth(width);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(panelPadding, panelPadding, panelPadding, panelPadding);
    layout->setSpacing(0);

    auto* header = new QVBoxLayout;
    header->setContentsMargins(rowPaddingX, rowPaddingY, rowPaddingX, rowPaddingY);
    header->setSpacing(6);
    auto* title = new QHBoxLayout;
    title->setSpacing(rowSpacing);
    m_icon = new QLabel(this);
    m_name = new QLabel(this);
    m_name->setFont(panelFont(fontSize, true));
    m_hotKey = new QLabel(this);
    m_hotKey->setFont(panelFont(fontSize));
    m_switch = new SwitchButton(this);
    m_switch->setFocusPolicy(Qt::NoFocus); // the panel is worked by pointer and its shortcuts
    title->addWidget(m_icon);
    title->addWidget(m_name);
    title->addStretch(1);
    title->addWidget(m_hotKey);
    title->addWidget(m_switch);
    header->addLayout(title);
    m_subtitle = new QLabel(this);
    m_subtitle->setFont(panelFont(subtitleFontSize));
    header->addWidget(m_subtitle);
    layout->addLayout(header);
    layout->addWidget(new MenuDividerWidget(this));
    m_rows = new QVBoxLayout;
    m_rows->setSpacing(0);
    layout->addLayout(m_rows);

    connect(m_switch, &QAbstractButton::clicked, this, [this](bool on) { setShowingKeys(on); });

    // What the panel shows changes while it is open: follow it, but only then.
    const auto whileOpen = [this](const auto&) {
        if (isVisible())
            rebuild();
    };
    const auto follow = [&](const auto& observable) {
        const auto subscription = observable.subscribe(whileOpen);
        m_unsubscribe.push_back([&observable, subscription] { observable.unsubscribe(subscription); });
    };
    follow(m_commands.services().visualizer.isRunning);
    follow(m_commands.services().updater.reminders.isUpdatePending);
    follow(m_commands.services().updater.canCheckForUpdates);
    rebuild();
}

MenuPanel::~MenuPanel()
{
    for (const auto& unsubscribe : m_unsubscribe)
        unsubscribe();
    if (m_minuteRefresh)
        m_scheduler.cancel(*m_minuteRefresh);
}

std::vector<MenuRowButton*> MenuPanel::rows() const
{
    std::vector<MenuRowButton*> result;
    for (QWidget* widget : m_rowWidgets) {
        if (auto* row = dynamic_cast<MenuRowButton*>(widget))
            result.push_back(row);
    }
    return result;
}

void MenuPanel::rebuild()
{
    MenuPanelModel model = m_commands.model();
    const bool rowsChanged = model.items != m_model.items || m_rowWidgets.empty();
    m_model = std::move(model);

    const QColor text = palette().color(QPalette::WindowText);
    QImage icon = menuBarIcon(true, false, qRound(16 * devicePixelRatioF()), text); // always the "on" artwork
    icon.setDevicePixelRatio(devicePixelRatioF());
    m_icon->setPixmap(QPixmap::fromImage(icon));
    m_name->setText(qt(m_model.name));
    m_hotKey->setText(qt(m_model.hotKeyText));
    m_subtitle->setText(translated(m_model.subtitle));
    showAsSecondary(*m_hotKey);
    showAsSecondary(*m_subtitle);
    m_switch->setChecked(m_model.switchIsOn);
    m_switch->setEnabled(m_model.switchIsEnabled);
    m_switch->setAccessibleName(qt(m_model.name));
    if (rowsChanged)
        rebuildRows();
    // Wider than standard only when the header or a row would not fit.
    setFixedWidth(std::max(width, layout()->sizeHint().width()));
    adjustSize();
}

void MenuPanel::rebuildRows()
{
    for (QWidget* widget : m_rowWidgets)
        delete widget;
    m_rowWidgets.clear();
    for (const auto& item : m_model.items) {
        QWidget* widget = nullptr;
        if (const auto* row = std::get_if<MenuRowModel>(&item)) {
            auto* button = new MenuRowButton(*row, this);
            const MenuAction action = row->action;
            connect(button, &QAbstractButton::clicked, this, [this, action] {
                hide(); // the panel goes before the action runs
                m_commands.run(action);
            });
            widget = button;
        } else {
            widget = new MenuDividerWidget(this);
        }
        m_rows->addWidget(widget);
        m_rowWidgets.push_back(widget);
    }
}

void MenuPanel::setShowingKeys(bool on)
{
    m_commands.setShowingKeys(on);
    m_switch->setChecked(m_commands.services().visualizer.isRunning);
}

QPoint MenuPanel::placement(const QRect& icon, const QPoint& pointer, const QSize& panel, const QRect& available)
{
    const QRect anchor = icon.isValid() && !icon.isEmpty() ? icon : QRect(pointer, QSize(1, 1));
    int x = anchor.left() + anchor.width() / 2 - panel.width() / 2;
    // Under the icon, or above it when the icon sits in the lower half (a tray at the bottom).
    const bool trayAtBottom = anchor.top() + anchor.height() / 2 > available.top() + available.height() / 2;
    int y = trayAtBottom ? anchor.top() - panel.height() : anchor.bottom() + 1;
    x = std::clamp(x, available.left(), std::max(available.left(), available.right() + 1 - panel.width()));
    y = std::clamp(y, available.top(), std::max(available.top(), available.bottom() + 1 - panel.height()));
    return {x, y};
}

void MenuPanel::popUp(const QRect& icon, const QPoint& pointer)
{
    rebuild();
    const QPoint anchor = icon.isValid() && !icon.isEmpty() ? icon.center() : pointer;
    const QScreen* screen = QGuiApplication::screenAt(anchor);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(), size());
    move(placement(icon, pointer, size(), available));
    show();
    // Where the panel is drawn by other means than a window of Qt's, it has none to raise.
    if (!testAttribute(Qt::WA_DontShowOnScreen)) {
        raise();
        activateWindow();
    }
}

void MenuPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    scheduleMinuteRefresh();
}

void MenuPanel::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (m_minuteRefresh)
        m_scheduler.cancel(*std::exchange(m_minuteRefresh, std::nullopt));
}

void MenuPanel::scheduleMinuteRefresh()
{
    // The permission can be granted elsewhere while the panel is open: look again on every
    // minute of the clock, and only while it is open.
    if (m_minuteRefresh)
        m_scheduler.cancel(*m_minuteRefresh);
    const QTime now = QTime::currentTime();
    const std::chrono::milliseconds untilNextMinute{60'000 - (now.second() * 1000 + now.msec())};
    m_minuteRefresh = m_scheduler.schedule(untilNextMinute, [this] {
        m_minuteRefresh.reset();
        rebuild();
        scheduleMinuteRefresh();
    });
}

void MenuPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace kestrel
