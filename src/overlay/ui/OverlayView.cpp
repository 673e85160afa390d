#include "overlay/ui/OverlayView.h"

#include "overlay/ui/KeycapPainter.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace kestrel {

OverlayView::OverlayView(KeycapPainter& painter) : m_painter(painter)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void OverlayView::present(const OverlayFrame& frame)
{
    m_frame = frame;
    const double ratio = frame.pixelRatio;
    QRegion damage;
    for (const PixelRect& area : frame.damage) {
        // Device pixels to the widget's points, rounded outward.
        const int left = static_cast<int>(std::floor(area.x / ratio));
        const int top = static_cast<int>(std::floor(area.y / ratio));
        const int right = static_cast<int>(std::ceil((area.x + area.width) / ratio));
        const int bottom = static_cast<int>(std::ceil((area.y + area.height) / ratio));
        damage += QRect(left, top, right - left, bottom - top);
    }
    update(damage);
}

void OverlayView::paintEvent(QPaintEvent* event)
{
    // The backing store of a translucent window arrives cleared to transparent.
    QPainter painter(this);
    painter.setClipRegion(event->region());
    for (const OverlayLayer& layer : m_frame.layers)
        m_painter.paintLayer(painter, layer, m_frame);
}

} // namespace kestrel
