#pragma once

#include "common/Geometry.h"

#include <QPointF>
#include <QRectF>

namespace kestrel {

// The one place where Qt's coordinates (origin at the top-left of the virtual desktop,
// y down, device-independent pixels) meet Kestrel's (origin at the bottom-left of the
// primary screen, y up, points). `primaryScreen` is the primary screen's geometry in Qt's.
class ScreenCoordinates {
public:
    explicit ScreenCoordinates(const QRectF& primaryScreen) : m_primary(primaryScreen) {}

    Point toKestrel(const QPointF& point) const;
    Rect toKestrel(const QRectF& rect) const;
    QRectF toQt(const Rect& rect) const;

private:
    QRectF m_primary;
};

} // namespace kestrel
