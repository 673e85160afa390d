#include "settings/ui/AppearanceSection.h"

#include "common/ui/QtText.h"
#include "common/ui/SecondaryText.h"
#include "common/ui/Translated.h"
#include "overlay/KeycapColors.h"
#include "platform/DefaultsStore.h"
#include "settings/Preferences.h"
#include "settings/PreviewKeycaps.h"
#include "settings/ui/KeyPreview.h"
#include "settings/ui/SettingsForm.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace kestrel {

namespace {

constexpr int swatchDiameter = 18;
constexpr int swatchSpacing = 8;
constexpr int selectedDotDiameter = 6;
// The duration slider: 0.5 s to 5.0 s in steps of 0.5 s, held as whole half-seconds.
constexpr double durationStep = 0.5;
constexpr int durationStops = 10;
constexpr int sliderWidth = 226;

QColor qColor(Rgb rgb)
{
    return QColor::fromRgbF(static_cast<float>(rgb.red), static_cast<float>(rgb.green), static_cast<float>(rgb.blue));
}

} // namespace

ColorSwatch::ColorSwatch(KeyColor color, QWidget* parent) : QAbstractButton(parent), m_color(color)
{
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(translated(title(color)));
    setAccessibleName(translated(title(color)));
}

QSize ColorSwatch::sizeHint() const
{
    return {swatchDiameter + 4, swatchDiameter + 4}; // room for the focus ring
}

void ColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle((width() - swatchDiameter) / 2.0, (height() - swatchDiameter) / 2.0, swatchDiameter,
                        swatchDiameter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(qColor(KeycapColors::swatchFill(m_color)));
    painter.drawEllipse(circle);
    // A hairline border inside the circle, so light swatches stand out on light forms.
    painter.setPen(QPen(QColor(0, 0, 0, 38), 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(circle.adjusted(0.25, 0.25, -0.25, -0.25));
    if (isChecked()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_color == KeyColor::white ? QColor(0, 0, 0, 153) : QColor(Qt::white));
        const QPointF centre = circle.center();
        painter.drawEllipse(centre, selectedDotDiameter / 2.0, selectedDotDiameter / 2.0);
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(circle.adjusted(-1.5, -1.5, 1.5, 1.5));
    }
}

AppearanceSection::AppearanceSection(DefaultsStore& defaults, KeycapPainter& painter, std::function<void()> changed,
                                     QWidget* parent)
    : QWidget(parent), m_defaults(defaults), m_changed(std::move(changed))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* form = new SettingsForm(this);
    layout->addWidget(form);
    FormSection* section = form->addSection();

    m_preview = new KeyPreview(painter, m_defaults,
                               previewKeycaps({Modifier::control, Modifier::shift, Modifier::command}), 218, 44);
    auto* previewFrame = new QWidget;
    auto* previewLayout = new QVBoxLayout(previewFrame);
    previewLayout->setContentsMargins(10, 10, 10, 10);
    previewLayout->addWidget(m_preview);
    section->addRow(previewFrame);

    auto* swatchRow = new QWidget;
    swatchRow->setAccessibleName(tr("Key Color"));
    auto* swatchLayout = new QHBoxLayout(swatchRow);
    swatchLayout->setContentsMargins(0, 0, 0, 0);
    swatchLayout->setSpacing(swatchSpacing - 4);
    const KeyColor chosen = Preferences::keyColor(m_defaults);
    for (const KeyColor color : allCases<KeyColor>()) {
        auto* swatch = new ColorSwatch(color, swatchRow);
        swatch->setChecked(color == chosen);
        connect(swatch, &QAbstractButton::clicked, this, [this, color] {
            m_defaults.set(PreferenceKey::keyColor, std::string(rawValue(color)));
            m_preview->update();
            if (m_changed)
                m_changed();
        });
        swatchLayout->addWidget(swatch);
        m_swatches.push_back(swatch);
    }
    section->addRow(new FormRow(tr("Key Color"), tr("More colors and themes are coming"), swatchRow));

    // Not in the product's design: PC keyboards name their keys differently.
    m_labels = new QComboBox;
    for (const KeyLabelStyle style : allCases<KeyLabelStyle>())
        m_labels->addItem(translated(title(style)), static_cast<int>(style));
    m_labels->setCurrentIndex(m_labels->findData(static_cast<int>(Preferences::keyLabelStyle(m_defaults))));
    connect(m_labels, &QComboBox::activated, this, [this](int index) {
        const auto style = static_cast<KeyLabelStyle>(m_labels->itemData(index).toInt());
        m_defaults.set(PreferenceKey::keyLabelStyle, std::string(rawValue(style)));
        m_preview->update();
        if (m_changed)
            m_changed();
    });
    section->addRow(new FormRow(
        tr("Key Labels"), tr("Names on the keys: as on a Mac (⌃ control, ⌘ command) or a PC (Ctrl, Super)"), m_labels));

    m_size = new QComboBox;
    for (const OverlaySize size : allCases<OverlaySize>())
        m_size->addItem(translated(title(size)), static_cast<int>(size));
    m_size->setCurrentIndex(m_size->findData(static_cast<int>(Preferences::overlaySize(m_defaults))));
    connect(m_size, &QComboBox::activated, this, [this](int index) {
        const auto size = static_cast<OverlaySize>(m_size->itemData(index).toInt());
        m_defaults.set(PreferenceKey::overlaySize, std::string(rawValue(size)));
    });
    section->addRow(new FormRow(tr("Size"), tr("How big keys appear on screen"), m_size));

    auto* durationRow = new QWidget;
    auto* durationLayout = new QHBoxLayout(durationRow);
    durationLayout->setContentsMargins(0, 0, 0, 0);
    durationLayout->setSpacing(12);
    m_duration = new QSlider(Qt::Horizontal, durationRow);
    m_duration->setRange(1, durationStops);
    m_duration->setPageStep(1);
    m_duration->setFixedWidth(sliderWidth);
    m_durationLabel = new QLabel(durationRow);
    // As wide as the widest duration in the user's language, so that the slider stays put.
    int widest = 0;
    for (int stop = 1; stop <= durationStops; ++stop)
        widest = std::max(
            widest, m_durationLabel->fontMetrics().horizontalAdvance(durationLabel(stop * durationStep, locale())));
    m_durationLabel->setFixedWidth(widest + 8);
    m_durationLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    showAsSecondary(*m_durationLabel);
    durationLayout->addWidget(m_duration);
    durationLayout->addWidget(m_durationLabel);
    section->addRow(new FormRow(tr("Display Duration"), tr("How long keys stay after you let go"), durationRow));
    m_duration->setAccessibleName(tr("Display Duration"));
    // Only the user's own moves write (showDuration sets the slider silently): a stored
    // duration off the stops stays as stored until the user moves the slider.
    connect(m_duration, &QSlider::valueChanged, this, [this](int stop) {
        m_defaults.set(PreferenceKey::displayDuration, stop * durationStep);
        showDuration();
    });
    showDuration();
}

QString AppearanceSection::durationLabel(double seconds, const QLocale& locale)
{
    return tr("%1s", "seconds, as short as a unit can be written").arg(locale.toString(seconds, 'f', 1));
}

void AppearanceSection::showDuration()
{
    // A stored value that is not a number shows as the default, and stays as it is.
    const auto stored = m_defaults.object(PreferenceKey::displayDuration);
    const double seconds = stored && std::holds_alternative<double>(*stored) && std::isfinite(std::get<double>(*stored))
                               ? std::get<double>(*stored)
                               : preferenceDefault<double>(PreferenceKey::displayDuration);
    const QSignalBlocker quiet(m_duration);
    m_duration->setValue(static_cast<int>(std::lround(seconds / durationStep)));
    m_durationLabel->setText(durationLabel(seconds, locale()));
    m_duration->setAccessibleDescription(m_durationLabel->text());
}

QString AppearanceSection::durationText() const
{
    return m_durationLabel->text();
}

void AppearanceSection::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        showDuration(); // the decimal separator follows the user's locale
    QWidget::changeEvent(event);
}

} // namespace kestrel
