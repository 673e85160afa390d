#include "app/ui/OnboardingWindow.h"

#include "app/AppInfo.h"
#include "app/InputMonitoringPermission.h"
#include "app/OpenAtLogin.h"
#include "common/ui/FilledArtwork.h"
#include "common/ui/QtText.h"
#include "common/ui/SecondaryText.h"
#include "common/ui/Translated.h"
#include "overlay/KeyLabels.h"
#include "settings/Preferences.h"
#include "settings/PreviewKeycaps.h"
#include "settings/ui/KeyPreview.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QVariantAnimation>

#include <algorithm>

namespace kestrel {

namespace {

constexpr QSize pictureSize{440, 260};
constexpr double pictureCornerRadius = 10;
constexpr double hotKeySize = 44;
constexpr int textBlockHeight = 110; // fixed, so the buttons stay put whatever the text
constexpr int choicesHeight = 100;   // the two ways to allow access, and what came of asking
constexpr int capsuleHeight = 6;
constexpr int currentCapsuleWidth = 16;
constexpr int capsuleSpacing = 6;

// One of onboarding's pictures, filled into its frame and clipped to rounded corners.
// Decoration: screen readers pass over it.
class StepPicture final : public QWidget {
public:
    StepPicture(const char* artwork, QWidget* parent) : QWidget(parent), m_artwork(artwork)
    {
        setFixedSize(pictureSize);
        setAccessibleName(QString());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_artwork.paintRounded(painter, *this, pictureCornerRadius);
    }
    void hideEvent(QHideEvent* event) override
    {
        m_artwork.release(); // a page left, or the window closed
        QWidget::hideEvent(event);
    }

private:
    FilledArtwork m_artwork;
};

int pageOf(OnboardingStep step)
{
    return static_cast<int>(step);
}

} // namespace

OnboardingStepIndicator::OnboardingStepIndicator(int count, QWidget* parent) : QWidget(parent), m_count(count)
{
    setFixedSize(sizeHint());
    m_change = new QVariantAnimation(this);
    m_change->setDuration(animationMilliseconds);
    m_change->setEasingCurve(QEasingCurve::InOutQuad);
    m_change->setStartValue(0.0);
    m_change->setEndValue(1.0);
    connect(m_change, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_progress = value.toDouble();
        update();
    });
}

void OnboardingStepIndicator::setCurrent(int index, const QString& description)
{
    setAccessibleName(description);
    if (index == m_current)
        return;
    m_previous = m_current;
    m_current = index;
    m_progress = 0;
    // Only while a window shows it: nothing runs for a page changed out of sight.
    if (isVisible())
        m_change->start();
    else
        m_progress = 1;
    update();
}

QSize OnboardingStepIndicator::sizeHint() const
{
    return {currentCapsuleWidth + (m_count - 1) * (capsuleHeight + capsuleSpacing), capsuleHeight};
}

void OnboardingStepIndicator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QColor accent = palette().color(QPalette::Highlight);
    QColor others = secondaryTextColor(palette());
    others.setAlphaF(0.4f);
    const auto blend = [](const QColor& from, const QColor& to, double share) {
        return QColor::fromRgbF(
            from.redF() + (to.redF() - from.redF()) * share, from.greenF() + (to.greenF() - from.greenF()) * share,
            from.blueF() + (to.blueF() - from.blueF()) * share, from.alphaF() + (to.alphaF() - from.alphaF()) * share);
    };
    double x = 0;
    for (int i = 0; i < m_count; ++i) {
        // How far this capsule is the current one: the new one grows as the old one shrinks.
        const double share = i == m_current ? m_progress : i == m_previous ? 1 - m_progress : 0;
        const double width = capsuleHeight + (currentCapsuleWidth - capsuleHeight) * share;
        painter.setBrush(blend(others, accent, share));
        painter.drawRoundedRect(QRectF(x, 0, width, capsuleHeight), capsuleHeight / 2.0, capsuleHeight / 2.0);
        x += width + capsuleSpacing;
    }
}

OnboardingWindow::OnboardingWindow(Services services)
    : m_services(std::move(services)),
      m_flow(
          std::make_unique<OnboardingFlow>(m_services.flow, OnboardingFlow::Callbacks{.close =
                                                                                          [this] {
                                                                                              m_finished = true;
                                                                                              close();
                                                                                          },
                                                                                      .relaunch = m_services.relaunch}))
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // A window manager names windows by their title, in the task switcher and the taskbar.
    setWindowTitle(translated(onboardingPageText(OnboardingStep::welcome, AppInfo::current().name).title));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 40, 20, 20);
    layout->setSpacing(0);

    m_pictures = new QStackedWidget(this);
    m_pictures->addWidget(new StepPicture(Artwork::onboardingWelcome, m_pictures));
    m_pictures->addWidget(new StepPicture(Artwork::onboardingPermission, m_pictures));
    m_hotKey = new KeyPreview(m_services.painter, m_services.flow.defaults, hotKeyPreviewKeycaps(),
                              pictureSize.height(), hotKeySize, m_pictures);
    m_pictures->addWidget(m_hotKey);
    m_pictures->setFixedSize(pictureSize);
    layout->addWidget(m_pictures, 0, Qt::AlignHCenter);
    layout->addSpacing(24);

    const bool asksSystem = m_services.flow.permission.asksSystem();
    auto* text = new QWidget(this);
    text->setFixedHeight(textBlockHeight + (asksSystem ? choicesHeight : 0));
    auto* textLayout = new QVBoxLayout(text);
    textLayout->setContentsMargins(0, 0, 0, 0);
    textLayout->setSpacing(8);
    textLayout->setAlignment(Qt::AlignTop);
    m_title = new QLabel(text);
    QFont titleFont = m_title->font();
    titleFont.setPixelSize(20);
    titleFont.setWeight(QFont::DemiBold);
    m_title->setFont(titleFont);
    m_title->setAlignment(Qt::AlignHCenter);
    textLayout->addWidget(m_title);
    m_body = new QLabel(text);
    m_body->setWordWrap(true);
    m_body->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    showAsSecondary(*m_body);
    textLayout->addWidget(m_body);
    m_choices = new QLabel(translated(InputMonitoringPermission::choicesText(AppInfo::current().name)), text);
    m_request = new QLabel(text);
    for (QLabel* label : {m_choices, m_request}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        showAsSecondary(*label);
        textLayout->addWidget(label);
    }
    m_finishBody = new QWidget(text);
    auto* finishLayout = new QVBoxLayout(m_finishBody);
    finishLayout->setContentsMargins(0, 0, 0, 0);
    finishLayout->setSpacing(16);
    m_hint = new QLabel(m_finishBody);
    m_hint->setAlignment(Qt::AlignHCenter);
    showAsSecondary(*m_hint);
    finishLayout->addWidget(m_hint);
    m_openAtLogin = new QCheckBox(tr("Open at Login"), m_finishBody);
    finishLayout->addWidget(m_openAtLogin, 0, Qt::AlignHCenter);
    textLayout->addWidget(m_finishBody);
    layout->addWidget(text);

    m_indicator = new OnboardingStepIndicator(static_cast<int>(m_flow->steps().size()), this);
    layout->addWidget(m_indicator, 0, Qt::AlignHCenter);
    layout->addSpacing(20);

    auto* buttons = new QHBoxLayout;
    m_back = new QPushButton(tr("Back"), this);
    m_primary = new QPushButton(this);
    m_otherWay = new QPushButton(translated(InputMonitoringPermission::otherWayTitle), this);
    for (QPushButton* button : {m_back, m_primary, m_otherWay})
        button->setMinimumSize(96, 32); // large controls
    m_primary->setDefault(true);
    buttons->addWidget(m_back);
    buttons->addStretch(1);
    // In a language whose titles are too long for one row, the other way goes on a row of its
    // own above the others, kept on every page so that the window's height stays.
    int widestPrimary = 0;
    for (const UiText& title : {OnboardingFlow::continueTitle, OnboardingFlow::openSystemSettingsTitle,
                                OnboardingFlow::getStartedTitle, InputMonitoringPermission::allowTitle}) {
        m_primary->setText(translated(title));
        widestPrimary = std::max(widestPrimary, m_primary->sizeHint().width());
    }
    const int oneRow = m_back->sizeHint().width() + m_otherWay->sizeHint().width() + widestPrimary +
                       buttons->spacing() * 3 + 8 + layout->contentsMargins().left() +
                       layout->contentsMargins().right();
    if (asksSystem && oneRow > contentWidth) {
        auto* otherRow = new QHBoxLayout;
        otherRow->addStretch(1);
        otherRow->addWidget(m_otherWay);
        QSizePolicy policy = m_otherWay->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        m_otherWay->setSizePolicy(policy);
        layout->addLayout(otherRow);
        layout->addSpacing(8);
    } else {
        buttons->addWidget(m_otherWay);
        buttons->addSpacing(8);
    }
    buttons->addWidget(m_primary);
    connect(m_otherWay, &QPushButton::clicked, this, [this] { m_services.flow.permission.openSystemSettings(); });
    layout->addLayout(buttons);

    connect(m_back, &QPushButton::clicked, this, [this] { m_flow->back(); });
    connect(m_primary, &QPushButton::clicked, this, [this] { m_flow->primaryAction(); });
    // Return presses the primary button wherever the focus is, as in a dialog.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, m_primary, &QPushButton::click);
    connect(m_openAtLogin, &QCheckBox::clicked, this, [this](bool on) {
        setOpenAtLogin(m_services.loginItem, m_services.log, on);
        m_openAtLogin->setChecked(m_services.loginItem.isEnabled()); // a refusal snaps back
    });

    const auto index = m_flow->index.subscribe([this](int) { showPage(); });
    const auto granted = m_flow->isGranted.subscribe([this](bool) { showPage(); });
    const auto request = m_services.flow.permission.accessRequest.subscribe([this](AccessRequest) { showPage(); });
    m_unsubscribe = {[this, index] { m_flow->index.unsubscribe(index); },
                     [this, granted] { m_flow->isGranted.unsubscribe(granted); },
                     [this, request] { m_services.flow.permission.accessRequest.unsubscribe(request); }};
    showPage();
    setFixedSize(contentWidth, sizeHint().height());
}

OnboardingWindow::~OnboardingWindow()
{
    for (const auto& unsubscribe : m_unsubscribe)
        unsubscribe();
}

void OnboardingWindow::showPage()
{
    const OnboardingStep step = m_flow->step();
    const bool asksSystem = m_services.flow.permission.asksSystem();
    const OnboardingPageText text = onboardingPageText(step, AppInfo::current().name, asksSystem);
    m_pictures->setCurrentIndex(pageOf(step));
    m_title->setText(translated(text.title));
    const bool finish = step == OnboardingStep::finish;
    m_body->setText(translated(text.body));
    m_body->setVisible(!finish);
    m_finishBody->setVisible(finish);
    if (finish) {
        m_hint->setText(translated(KeyLabels::hotKeyHint(Preferences::keyLabelStyle(m_services.flow.defaults))));
        m_openAtLogin->setChecked(m_services.loginItem.isEnabled());
    }
    m_indicator->setCurrent(m_flow->index.get(), translated(m_flow->stepDescription()));
    m_back->setEnabled(m_flow->canGoBack());
    m_primary->setText(translated(m_flow->primaryTitle()));
    // The two ways, while access is missing on the permission page.
    const bool choosing = asksSystem && step == OnboardingStep::permission && !m_flow->isGranted;
    m_choices->setVisible(choosing);
    m_otherWay->setVisible(choosing);
    const AccessRequest request = m_services.flow.permission.accessRequest;
    m_request->setText(translated(InputMonitoringPermission::requestText(request)));
    m_request->setVisible(choosing && !m_request->text().isEmpty());
    m_primary->setEnabled(request != AccessRequest::asking || step != OnboardingStep::permission);
}

QString OnboardingWindow::requestText() const
{
    return m_request->isVisible() ? m_request->text() : QString();
}

QString OnboardingWindow::titleText() const
{
    return m_title->text();
}

QString OnboardingWindow::bodyText() const
{
    return m_flow->step() == OnboardingStep::finish ? m_hint->text() : m_body->text();
}

QWidget& OnboardingWindow::picture() const
{
    return *m_pictures->currentWidget();
}

void OnboardingWindow::bringToFront()
{
    show();
    raise();
    activateWindow();
}

void OnboardingWindow::closeEvent(QCloseEvent* event)
{
    if (!m_finished)
        m_flow->closedByUser();
    m_finished = true;
    m_services.activation.hide(*this);
    event->accept();
    if (m_closed)
        m_closed();
}

OnboardingWindowController::OnboardingWindowController(OnboardingWindow::Services services)
    : m_services(std::move(services))
{}

OnboardingWindowController::~OnboardingWindowController()
{
    if (m_release)
        m_services.flow.scheduler.cancel(*m_release);
}

void OnboardingWindowController::show()
{
    m_window = std::make_unique<OnboardingWindow>(m_services);
    // Released once the close has run its course, not from within it.
    m_window->setOnClosed([this] {
        m_release = m_services.flow.scheduler.schedule(std::chrono::milliseconds(0), [this] {
            m_release.reset();
            m_window.reset();
        });
    });
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame(QPoint(), m_window->size());
        frame.moveCenter(screen->availableGeometry().center());
        m_window->move(frame.topLeft());
    }
    m_services.activation.show(*m_window);
    m_window->bringToFront();
}

} // namespace kestrel
