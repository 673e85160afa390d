#include "settings/ui/KeyPreview.h"

#include "common/ui/FilledArtwork.h"
#include "overlay/KeyLabels.h"
#include "overlay/KeycapGeometry.h"
#include "overlay/ui/KeycapPainter.h"
#include "settings/Preferences.h"

#include <QPainter>

namespace kestrel {

namespace {

constexpr double cornerRadius = 10;
constexpr double gapShare = 0.1; // the space between keycaps, as a share of the key size

} // namespace

KeyPreview::KeyPreview(KeycapPainter& painter, const DefaultsStore& defaults, std::vector<Keycap> keycaps, int height,
                       double keySize, QWidget* parent)
    : QWidget(parent), m_painter(painter), m_defaults(defaults), m_keycaps(std::move(keycaps)), m_keySize(keySize)
{
    setFixedHeight(height);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(QString()); // a picture, not a control
}

void KeyPreview::setKeycaps(std::vector<Keycap> keycaps)
{
    if (keycaps == m_keycaps)
        return;
    m_keycaps = std::move(keycaps);
    update();
}

QSize KeyPreview::sizeHint() const
{
    return {400, height()};
}

void KeyPreview::paintEvent(QPaintEvent*)
{
    // The background fills the strip, cropped to keep its proportions; drawn once per size.
    QPainter painter(this);
    m_background.paintRounded(painter, *this, cornerRadius);

    // The keycaps, centred as a row.
    const double gap = m_keySize * gapShare;
    double rowWidth = 0;
    double rowHeight = 0;
    for (const Keycap& keycap : m_keycaps) {
        const KeycapGeometry geometry(m_keySize, keycap.shape);
        rowWidth += geometry.width + (rowWidth > 0 ? gap : 0);
        rowHeight = std::max(rowHeight, geometry.height);
    }
    const KeyColor color = Preferences::keyColor(m_defaults);
    const auto keycaps = KeyLabels::styled(m_keycaps, Preferences::keyLabelStyle(m_defaults));
    double x = (width() - rowWidth) / 2;
    for (const Keycap& keycap : keycaps) {
        const KeycapGeometry geometry(m_keySize, keycap.shape);
        m_painter.paint(painter, QPointF(x, (height() - rowHeight) / 2), keycap, m_keySize, color);
        x += geometry.width + gap;
    }
}

void KeyPreview::hideEvent(QHideEvent* event)
{
    m_background.release();
    QWidget::hideEvent(event);
}

} // namespace kestrel
