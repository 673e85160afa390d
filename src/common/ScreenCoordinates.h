#pragma once

#include "common/Geometry.h"

namespace kestrel {

// The one place where Qt's coordinates (origin at the top-left of the virtual desktop,
// y down, device-independent pixels) meet Kestrel's (origin at the bottom-left of the
// primary screen, y up, points). A rectangle in Qt's coordinates is held in a `Rect` whose
// origin is its top-left corner; `primaryScreen` is the primary screen's geometry in Qt's.
class ScreenCoordinates {
public:
    explicit ScreenCoordinates(const Rect& primaryScreen) : m_primary(primaryScreen) {}

    Point toKestrel(const Point& qtPoint) const;
    Rect toKestrel(const Rect& qtRect) const;
    Rect toQt(const Rect& rect) const;

private:
    Rect m_primary;
};

} // namespace kestrel
