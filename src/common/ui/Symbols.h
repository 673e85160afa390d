#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace kestrel {

// Kestrel's monochrome artwork, drawn in one colour the way template images are: the tray
// icons ("menubar-on", "menubar-off") and the small symbols of the panel rows and the
// settings sidebar ("gearshape", "info.circle", ...). Each is an SVG in the resources.
namespace Symbols {

// The artwork `name` rendered into a square of `size` device pixels and painted in `color`.
// A null image when Kestrel has no artwork of that name. Each picture is drawn once and
// kept: rows repaint theirs on every hover.
QImage image(const QString& name, int size, const QColor& color);
// The same for a square of `logicalSize` pixels on a screen of `pixelRatio`.
QImage image(const QString& name, int logicalSize, qreal pixelRatio, const QColor& color);

} // namespace Symbols

} // namespace kestrel
