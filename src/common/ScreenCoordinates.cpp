#include "common/ScreenCoordinates.h"

namespace kestrel {

// The primary screen's bottom edge in Qt is y = 0 in Kestrel; its left edge is x = 0.
Point ScreenCoordinates::toKestrel(const Point& qtPoint) const
{
    return {qtPoint.x - m_primary.origin.x, m_primary.origin.y + m_primary.size.height - qtPoint.y};
}

Rect ScreenCoordinates::toKestrel(const Rect& qtRect) const
{
    return {{qtRect.origin.x - m_primary.origin.x,
             m_primary.origin.y + m_primary.size.height - (qtRect.origin.y + qtRect.size.height)},
            qtRect.size};
}

Rect ScreenCoordinates::toQt(const Rect& rect) const
{
    return {{rect.origin.x + m_primary.origin.x,
             m_primary.origin.y + m_primary.size.height - (rect.origin.y + rect.size.height)},
            rect.size};
}

} // namespace kestrel
