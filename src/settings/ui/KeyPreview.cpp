#include "settings/ui/KeyPreview.h"

#include "overlay/KeyLabels.h"
#include "overlay/KeycapGeometry.h"
#include "overlay/ui/KeycapPainter.h"
#include "settings/Preferences.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

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
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    painter.setClipPath(clip);

    // The background fills the strip, cropped to keep its proportions; drawn once per size.
    const qreal ratio = devicePixelRatioF();
    if (m_background.size() != size() * ratio) {
        m_background = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        m_background.fill(palette().color(QPalette::Dark));
        QSvgRenderer artwork(QStringLiteral(":/preview/preview-background.svg"));
        if (artwork.isValid()) {
            QPainter backgroundPainter(&m_background);
            const QSizeF natural = artwork.defaultSize();
            const double scale =
                std::max(m_background.width() / natural.width(), m_background.height() / natural.height());
            const QSizeF drawn = natural * scale;
            artwork.render(&backgroundPainter, QRectF(QPointF((m_background.width() - drawn.width()) / 2,
                                                              (m_background.height() - drawn.height()) / 2),
                                                      drawn));
        }
        m_background.setDevicePixelRatio(ratio);
    }
    painter.drawImage(QPointF(0, 0), m_background);

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
        m_painter.paint(painter, QPointF(x, (height() - rowHeight) / 2), keycap, m_keySize, color, 0, 1);
        x += geometry.width + gap;
    }
}

} // namespace kestrel
