#include "app/ui/MenuBarIcon.h"

#include "common/ui/Symbols.h"

#include <QPainter>

namespace kestrel {

namespace {

// The dot's diameter as a share of the icon's height, and the transparent ring cleared
// around it so it stands apart from the artwork, in pixels of a 1x icon.
constexpr double dotShare = 0.36;
constexpr double dotRing = 1.5;

} // namespace

QImage menuBarIcon(bool isRunning, bool isUpdatePending, int size, const QColor& color)
{
    QImage icon = Symbols::image(isRunning ? QStringLiteral("menubar-on") : QStringLiteral("menubar-off"), size, color);
    if (icon.isNull()) {
        icon = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
    }
    if (!isUpdatePending)
        return icon;
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double diameter = icon.height() * dotShare;
    const QRectF dot(icon.width() - diameter, 0, diameter, diameter);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    painter.setBrush(Qt::black);
    painter.drawEllipse(dot.adjusted(-dotRing, -dotRing, dotRing, dotRing));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setBrush(color);
    painter.drawEllipse(dot);
    return icon;
}

QIcon menuBarIconSet(bool isRunning, bool isUpdatePending, const QColor& color)
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48})
        icon.addPixmap(QPixmap::fromImage(menuBarIcon(isRunning, isUpdatePending, size, color)));
    return icon;
}

} // namespace kestrel
