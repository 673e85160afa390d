#include "settings/ui/SettingsWindow.h"

#include "app/AppUpdater.h"
#include "common/ui/QtText.h"
#include "common/ui/Symbols.h"
#include "common/ui/Translated.h"
#include "common/ui/UpdateMark.h"
#include "platform/DefaultsStore.h"
#include "settings/ui/AboutSection.h"
#include "settings/ui/AppearanceSection.h"
#include "settings/ui/DisplaysSection.h"
#include "settings/ui/GeneralSection.h"
#include "settings/ui/KeyPreview.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace kestrel {

namespace {

// Where the window's frame is kept in the state file.
constexpr std::string_view frameKey = "settingsWindowFrame";
constexpr int sectionRole = Qt::UserRole;
constexpr int dotDiameter = 9;
constexpr int symbolSize = 16;

// Draws the sidebar: headings in small secondary text, and each section as its symbol and
// title, on a rounded accent-coloured background while selected, with the pending-update
// dot at the right end of About (white on the selection, red elsewhere). Painted here
// rather than styled with a style sheet, which would cost every run its own style engine.
class SidebarDelegate final : public QStyledItemDelegate {
public:
    static constexpr int rowHeight = 28;
    static constexpr int headingHeight = 26;
    static constexpr int paddingX = 8;

    explicit SidebarDelegate(const bool& isUpdatePending, QObject* parent)
        : QStyledItemDelegate(parent), m_isUpdatePending(isUpdatePending)
    {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool heading = !index.data(sectionRole).isValid();
        const bool spacedFromAbove = heading && index.row() > 0;
        return {option.rect.width(), heading ? headingHeight + (spacedFromAbove ? 12 : 0) : rowHeight};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QPalette& colors = option.palette;
        const QRect row = option.rect;
        const QVariant section = index.data(sectionRole);
        if (!section.isValid()) {
            QFont font = option.font;
            font.setPixelSize(11);
            font.setWeight(QFont::DemiBold);
            painter->setFont(font);
            painter->setPen(colors.color(QPalette::PlaceholderText));
            painter->drawText(row.adjusted(paddingX, 0, -paddingX, -4), Qt::AlignLeft | Qt::AlignBottom,
                              index.data(Qt::DisplayRole).toString());
            painter->restore();
            return;
        }
        const bool selected = option.state & QStyle::State_Selected;
        if (selected) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(colors.color(QPalette::Highlight));
            painter->drawRoundedRect(QRectF(row).adjusted(0, 1, 0, -1), 6, 6);
        }
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        const QRect symbol(row.left() + paddingX, row.center().y() - symbolSize / 2 + 1, symbolSize, symbolSize);
        icon.paint(painter, symbol, Qt::AlignCenter, selected ? QIcon::Selected : QIcon::Normal);
        painter->setPen(colors.color(selected ? QPalette::HighlightedText : QPalette::WindowText));
        painter->setFont(option.font);
        painter->drawText(row.adjusted(paddingX + symbolSize + 8, 0, -paddingX, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
        if (m_isUpdatePending && static_cast<SettingsSection>(section.toInt()) == SettingsSection::about) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(UpdateMark::color(selected));
            painter->drawEllipse(QRectF(row.right() - 12 - dotDiameter, row.center().y() - dotDiameter / 2.0 + 0.5,
                                        dotDiameter, dotDiameter));
        }
        painter->restore();
    }

private:
    const bool& m_isUpdatePending;
};

} // namespace

SettingsWindow::SettingsWindow(SettingsNavigation& navigation, Services services)
    : m_navigation(navigation), m_services(services)
{
    setWindowFlags(Qt::Window);
    setMinimumSize(contentWidth, minimumContentHeight);
    setMaximumWidth(contentWidth);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // The sidebar with a margin around its rows, in the window's own colour.
    auto* sidebarFrame = new QWidget(this);
    sidebarFrame->setFixedWidth(sidebarWidth);
    auto* sidebarLayout = new QVBoxLayout(sidebarFrame);
    sidebarLayout->setContentsMargins(8, 10, 8, 10);
    m_sidebar = new QListWidget(sidebarFrame);
    sidebarLayout->addWidget(m_sidebar);
    m_sidebar->setAccessibleName(tr("Sections"));
    m_sidebar->setItemDelegate(new SidebarDelegate(m_services.updater.reminders.isUpdatePending.get(), m_sidebar));
    m_sidebar->setIconSize(QSize(symbolSize, symbolSize));
    m_sidebar->setFrameShape(QFrame::NoFrame);
    m_sidebar->setSpacing(0);
    QPalette sidebarColors = m_sidebar->palette();
    sidebarColors.setColor(QPalette::Base, palette().color(QPalette::Window));
    m_sidebar->setPalette(sidebarColors);
    m_detail = new QStackedWidget(this);
    UiText group;
    for (const auto& info : settingsSections) {
        if (info.group != group) {
            group = info.group;
            auto* heading = new QListWidgetItem(translated(group), m_sidebar);
            heading->setFlags(Qt::ItemIsEnabled); // a heading, not a choice
        }
        auto* row = new QListWidgetItem(translated(info.title), m_sidebar);
        row->setData(sectionRole, static_cast<int>(info.section));
        // The symbol in the row's text colour: the accent colour's own on the selection.
        QIcon icon;
        const int symbolPixels = qRound(symbolSize * devicePixelRatioF());
        icon.addPixmap(QPixmap::fromImage(
                           Symbols::image(qt(info.systemImage), symbolPixels, palette().color(QPalette::Highlight))),
                       QIcon::Normal);
        icon.addPixmap(QPixmap::fromImage(Symbols::image(qt(info.systemImage), symbolPixels,
                                                         palette().color(QPalette::HighlightedText))),
                       QIcon::Selected);
        row->setIcon(icon);

        // Each section's page: its title, and its controls below.
        auto* page = new QWidget(m_detail);
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(0, 20, 0, 0);
        auto* title = new QLabel(translated(info.title), page);
        QFont titleFont = title->font();
        titleFont.setPixelSize(20);
        titleFont.setWeight(QFont::DemiBold);
        title->setFont(titleFont);
        title->setContentsMargins(24, 0, 24, 8);
        pageLayout->addWidget(title);
        m_detail->addWidget(page);
        m_titles.push_back(title);
        m_pageLayouts.push_back(pageLayout);
    }
    layout->addWidget(sidebarFrame);
    layout->addWidget(m_detail, 1);

    // Closed from the keyboard as other windows of the desktop are: Ctrl+W, or Escape.
    for (const QKeySequence& keys : {QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);

    connect(m_sidebar, &QListWidget::itemSelectionChanged, this, [this] {
        const auto selected = m_sidebar->selectedItems();
        if (selected.isEmpty())
            m_navigation.selection = std::nullopt;
        else
            m_navigation.selection = static_cast<SettingsSection>(selected.front()->data(sectionRole).toInt());
    });
    const auto selection = m_navigation.selection.subscribe([this](const auto&) { showSelection(); });
    const auto pending = m_services.updater.reminders.isUpdatePending.subscribe([this](bool) { refreshDot(); });
    m_unsubscribe = {[this, selection] { m_navigation.selection.unsubscribe(selection); },
                     [this, pending] { m_services.updater.reminders.isUpdatePending.unsubscribe(pending); }};
    showSelection();
    refreshDot();
}

SettingsWindow::~SettingsWindow()
{
    for (const auto& unsubscribe : m_unsubscribe)
        unsubscribe();
}

QWidget& SettingsWindow::section(SettingsSection section)
{
    // Each section is built the first time it is shown: a window opened to look at one
    // section costs only that one.
    QWidget*& built = m_sections[static_cast<std::size_t>(section)];
    if (built)
        return *built;
    QWidget* page = m_detail->widget(static_cast<int>(section));
    switch (section) {
    case SettingsSection::general:
        built =
            new GeneralSection({m_services.visualizer, m_services.defaults, m_services.permission, m_services.loginItem,
                                m_services.log, m_services.painter, m_services.passwordFocus, m_services.session},
                               page);
        break;
    case SettingsSection::appearance:
        built = new AppearanceSection(
            m_services.defaults, m_services.painter,
            [this] {
                // Every preview shows the new colour or labels at once, General its hot key.
                for (QWidget* widget : findChildren<QWidget*>()) {
                    if (auto* preview = dynamic_cast<KeyPreview*>(widget))
                        preview->update();
                }
                if (auto* generalSection =
                        static_cast<GeneralSection*>(m_sections[static_cast<std::size_t>(SettingsSection::general)]))
                    generalSection->refresh();
            },
            page);
        break;
    case SettingsSection::displays:
        built = new DisplaysSection(m_services.defaults, m_services.screens, page);
        break;
    case SettingsSection::about:
        built = new AboutSection(m_services.updater, m_services.workspace, page);
        break;
    }
    m_pageLayouts[static_cast<std::size_t>(section)]->addWidget(built, 1);
    return *built;
}

GeneralSection& SettingsWindow::general()
{
    return static_cast<GeneralSection&>(section(SettingsSection::general));
}

AppearanceSection& SettingsWindow::appearance()
{
    return static_cast<AppearanceSection&>(section(SettingsSection::appearance));
}

DisplaysSection& SettingsWindow::displays()
{
    return static_cast<DisplaysSection&>(section(SettingsSection::displays));
}

AboutSection& SettingsWindow::about()
{
    return static_cast<AboutSection&>(section(SettingsSection::about));
}

void SettingsWindow::showSelection()
{
    const SettingsSection shown = m_navigation.shownSection();
    section(shown);
    m_detail->setCurrentIndex(static_cast<int>(shown));
    setWindowTitle(translated(sectionInfo(shown).title));
    // The sidebar follows a selection made elsewhere (the panel's About row).
    const QSignalBlocker quiet(m_sidebar);
    m_sidebar->clearSelection();
    if (const auto selected = m_navigation.selection.get()) {
        for (int i = 0; i < m_sidebar->count(); ++i) {
            QListWidgetItem* item = m_sidebar->item(i);
            if (item->data(sectionRole).isValid() && item->data(sectionRole).toInt() == static_cast<int>(*selected)) {
                item->setSelected(true);
                m_sidebar->setCurrentItem(item);
            }
        }
    }
    m_sidebar->viewport()->update();
}

void SettingsWindow::refreshDot()
{
    for (int i = 0; i < m_sidebar->count(); ++i) {
        QListWidgetItem* item = m_sidebar->item(i);
        if (item->data(sectionRole).isValid() &&
            item->data(sectionRole).toInt() == static_cast<int>(SettingsSection::about))
            item->setData(Qt::AccessibleDescriptionRole,
                          m_services.updater.reminders.isUpdatePending ? UpdateMark::accessibleName() : QString());
    }
    m_sidebar->viewport()->update();
}

QString SettingsWindow::detailTitle() const
{
    return m_titles[static_cast<std::size_t>(m_detail->currentIndex())]->text();
}

void SettingsWindow::bringToFront()
{
    show();
    raise();
    activateWindow();
}

void SettingsWindow::saveFrame()
{
    m_services.state.set(frameKey, saveGeometry().toBase64().toStdString());
}

void SettingsWindow::changeEvent(QEvent* event)
{
    // Coming back from elsewhere (the system's settings, a terminal) may have changed input
    // access, the login item or the date: read them again, without a timer.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (auto* generalSection =
                static_cast<GeneralSection*>(m_sections[static_cast<std::size_t>(SettingsSection::general)]))
            generalSection->refresh();
        if (auto* aboutSection =
                static_cast<AboutSection*>(m_sections[static_cast<std::size_t>(SettingsSection::about)]))
            aboutSection->refresh();
    }
    QWidget::changeEvent(event);
}

void SettingsWindow::closeEvent(QCloseEvent* event)
{
    saveFrame();
    m_services.activation.hide(*this);
    event->accept(); // hidden, kept for the next open
    // Its pixels are let go once it is hidden: the next open makes them again.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!isVisible())
                destroy();
        },
        Qt::QueuedConnection);
}

SettingsWindowController::SettingsWindowController(SettingsWindow::Services services) : m_services(services) {}

SettingsWindowController::~SettingsWindowController()
{
    if (m_window && m_window->isVisible())
        m_window->saveFrame();
}

SettingsWindow& SettingsWindowController::makeWindow()
{
    m_window = std::make_unique<SettingsWindow>(navigation, m_services);
    m_window->resize(SettingsWindow::contentWidth, SettingsWindow::idealContentHeight);
    // Centred on the screen with the pointer, unless a frame from an earlier run applies.
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        // A low screen (or a large scale) gets a lower window, never one taller than it.
        const QRect available = screen->availableGeometry();
        m_window->resize(SettingsWindow::contentWidth,
                         std::clamp(SettingsWindow::idealContentHeight, SettingsWindow::minimumContentHeight,
                                    std::max(SettingsWindow::minimumContentHeight, available.height())));
        QRect frame(QPoint(), m_window->size());
        frame.moveCenter(available.center());
        frame.moveTop(std::max(frame.top(), available.top()));
        m_window->move(frame.topLeft());
    }
    if (const auto saved = m_services.state.object(frameKey); saved && std::holds_alternative<std::string>(*saved))
        m_window->restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(std::get<std::string>(*saved))));
    return *m_window;
}

void SettingsWindowController::open()
{
    SettingsWindow& window = m_window ? *m_window : makeWindow();
    m_services.activation.show(window);
    window.bringToFront();
}

} // namespace kestrel
