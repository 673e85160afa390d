#include "settings/ui/PositionPicker.h"

#include "common/ui/FilledArtwork.h"
#include "common/ui/Translated.h"
#include "platform/DefaultsStore.h"
#include "settings/Preferences.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace kestrel {

namespace {

namespace Geometry = PositionPickerGeometry;

constexpr SpringParameters glide{.response = 0.3, .dampingFraction = 0.75};
constexpr double fadeSeconds = 0.2;
constexpr double dragThreshold = 3; // points before a press becomes a drag
constexpr double cornerRadius = 10;
constexpr double markerRadius = 5;
constexpr int frameIntervalMs = 16;

// Ease-in-out over 0…1.
double easeInOut(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

void drawMarker(QPainter& painter, const QRectF& rect, bool selected, const QColor& accent)
{
    QPainterPath shape;
    shape.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), markerRadius, markerRadius);
    if (selected) {
        // A soft glow of the accent colour around the chosen spot.
        for (int ring = 4; ring >= 1; --ring) {
            QColor glow = accent;
            glow.setAlphaF(0.5f * 0.18f * static_cast<float>(5 - ring));
            QPainterPath halo;
            halo.addRoundedRect(rect.adjusted(-2.0 * ring, -2.0 * ring, 2.0 * ring, 2.0 * ring),
                                markerRadius + 2 * ring, markerRadius + 2 * ring);
            painter.fillPath(halo, glow);
        }
        QColor fill = accent;
        fill.setAlphaF(0.15f);
        painter.fillPath(shape, fill);
        painter.setPen(QPen(accent, 1));
    } else {
        painter.fillPath(shape, QColor(255, 255, 255, 15));
        painter.setPen(QPen(QColor(255, 255, 255, 77), 1));
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
}

} // namespace

PositionPicker::PositionPicker(DefaultsStore& defaults, std::function<void()> changed, QWidget* parent,
                               std::function<double()> clock)
    : QWidget(parent), m_defaults(defaults), m_changed(std::move(changed)), m_clock(std::move(clock))
{
    setFixedHeight(pickerHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(tr("Position"));
    setCursor(Qt::PointingHandCursor);
    m_elapsed.start();
    m_frames.setTimerType(Qt::PreciseTimer);
    m_frames.setInterval(frameIntervalMs);
    QObject::connect(&m_frames, &QTimer::timeout, this, [this] {
        update();
        const double time = now();
        const bool settled = std::all_of(m_springs.begin(), m_springs.end(),
                                         [time](const SpringValue& spring) { return spring.isSettled(time); });
        if (settled && time - m_fadeStart >= fadeSeconds)
            m_frames.stop(); // nothing moves: no more frames
    });
    refresh(true);
}

double PositionPicker::now() const
{
    return m_clock ? m_clock() : static_cast<double>(m_elapsed.nsecsElapsed()) / 1e9;
}

void PositionPicker::refresh(bool jump)
{
    const OverlayPosition position = Preferences::overlayPosition(m_defaults);
    const Placement target = Geometry::placement(position, Preferences::customPositionX(m_defaults),
                                                 Preferences::customPositionY(m_defaults));
    const std::array<double, 4> values{target.rect.x, target.rect.y, target.anchor.x, target.anchor.y};
    const double time = now();
    const double opacity = position == OverlayPosition::custom ? 0 : 1;
    const bool animate = !jump && m_shownOnce && isVisible();
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (animate)
            m_springs[i].animate(values[i], glide, time);
        else
            m_springs[i].set(values[i]);
    }
    if (opacity != m_fadeTarget) {
        m_fadeFrom = animate ? markerOpacity() : opacity;
        m_fadeTarget = opacity;
        m_fadeStart = animate ? time : -fadeSeconds;
    }
    setAccessibleDescription(translated(title(position)));
    if (animate)
        m_frames.start();
    update();
}

Placement PositionPicker::shownPlacement() const
{
    const double time = now();
    return {{m_springs[0].value(time), m_springs[1].value(time), Geometry::markerWidth, Geometry::markerHeight},
            {m_springs[2].value(time), m_springs[3].value(time)}};
}

double PositionPicker::markerOpacity() const
{
    const double progress = fadeSeconds > 0 ? (now() - m_fadeStart) / fadeSeconds : 1;
    return m_fadeFrom + (m_fadeTarget - m_fadeFrom) * easeInOut(progress);
}

void PositionPicker::showEvent(QShowEvent* event)
{
    if (!m_shownOnce) {
        m_shownOnce = true;
        refresh(true); // placed at once when it first comes on screen
    }
    QWidget::showEvent(event);
}

void PositionPicker::hideEvent(QHideEvent* event)
{
    m_background.release();
    QWidget::hideEvent(event);
}

void PositionPicker::choose(const Geometry::Choice& choice)
{
    if (choice.custom) {
        m_defaults.set(PreferenceKey::customPositionX, choice.custom->x);
        m_defaults.set(PreferenceKey::customPositionY, choice.custom->y);
    }
    m_defaults.set(PreferenceKey::overlayPosition, std::string(rawValue(choice.position)));
    refresh();
    if (m_changed)
        m_changed();
}

void PositionPicker::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    m_dragging = false;
    m_pressedAt = event->position();
}

void PositionPicker::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed)
        return;
    const QPointF at = event->position();
    if (!m_dragging && std::hypot(at.x() - m_pressedAt.x(), at.y() - m_pressedAt.y()) < dragThreshold)
        return;
    m_dragging = true;
    choose(Geometry::drag(at.x() / width(), at.y() / height()));
}

void PositionPicker::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pressed || event->button() != Qt::LeftButton)
        return;
    m_pressed = false;
    if (!m_dragging)
        choose(Geometry::click(m_pressedAt.x() / width(), m_pressedAt.y() / height()));
}

void PositionPicker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_background.paintRounded(painter, *this, cornerRadius);
    const double w = width();
    const double h = height();

    const QColor accent = palette().color(QPalette::Highlight);
    const double opacity = markerOpacity();
    if (opacity > 0) {
        painter.setOpacity(opacity);
        for (const auto& preset : Geometry::presets)
            drawMarker(painter,
                       QRectF(w * preset.rect.x, h * preset.rect.y, w * preset.rect.width, h * preset.rect.height),
                       false, accent);
        painter.setOpacity(1);
    }

    const Placement placement = shownPlacement();
    drawMarker(painter,
               QRectF(w * placement.rect.x, h * placement.rect.y, w * placement.rect.width, h * placement.rect.height),
               true, accent);

    // The sample key row: ⇧ and F as tiny accent-coloured keys.
    const Point centre = Geometry::keyRowCentre(placement, w, h);
    QFont font = this->font();
    font.setPixelSize(9);
    font.setWeight(QFont::DemiBold);
    painter.setFont(font);
    double x = centre.x - Geometry::keyRowWidth / 2;
    const double top = centre.y - Geometry::keyRowHeight / 2;
    for (const auto& [symbol, keyWidth] :
         {std::pair{QStringLiteral("⇧"), 28.0}, std::pair{QStringLiteral("F"), 18.0}}) {
        const QRectF key(x, top, keyWidth, Geometry::keyRowHeight);
        QPainterPath cap;
        cap.addRoundedRect(key, 4, 4);
        painter.fillPath(cap, accent);
        painter.setPen(Qt::white);
        painter.drawText(key, Qt::AlignCenter, symbol);
        x += keyWidth + 3;
    }
}

} // namespace kestrel
