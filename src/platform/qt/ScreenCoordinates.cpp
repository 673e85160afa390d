#include "platform/qt/ScreenCoordinates.h"

namespace kestrel {

// The primary screen's bottom edge in Qt is y = 0 in Kestrel; its left edge is x = 0.
Point ScreenCoordinates::toKestrel(const QPointF& point) const
{
    return {point.x() - m_primary.left(), m_primary.top() + m_primary.height() - point.y()};
}

Rect ScreenCoordinates::toKestrel(const QRectF& rect) const
{
    return {{rect.left() - m_primary.left(), m_primary.top() + m_primary.height() - (rect.top() + rect.height())},
            {rect.width(), rect.height()}};
}

QRectF ScreenCoordinates::toQt(const Rect& rect) const
{
    return {rect.origin.x + m_primary.left(), m_primary.top() + m_primary.height() - (rect.origin.y + rect.size.height),
            rect.size.width, rect.size.height};
}

} // namespace kestrel
