#include "app/ui/MenuBarIcon.h"

#include "common/ui/Symbols.h"

#include <QPainter>

namespace kestrel {

namespace {

// The dot's diameter as a share of the icon's height, and the transparent ring cleared
// around it so it stands apart from the artwork, in pixels of a 1x icon.
constexpr double dotShare = 0.36;
constexpr double dotRing = 1.5;

// `image` with a one-pixel outline of `halo` around whatever it covers.
QImage withHalo(const QImage& image, const QColor& halo)
{
    if (halo.alpha() == 0)
        return image;
    QImage outline(image.size(), QImage::Format_ARGB32_Premultiplied);
    outline.fill(Qt::transparent);
    QPainter painter(&outline);
    for (const QPoint offset : {QPoint(-1, -1), QPoint(0, -1), QPoint(1, -1), QPoint(-1, 0), QPoint(1, 0),
                                QPoint(-1, 1), QPoint(0, 1), QPoint(1, 1)})
        painter.drawImage(offset, image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(outline.rect(), halo);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(0, 0, image);
    return outline;
}

} // namespace

QImage menuBarIcon(bool isRunning, bool isUpdatePending, int size, const QColor& color, const QColor& halo)
{
    QImage icon = Symbols::image(isRunning ? QStringLiteral("menubar-on") : QStringLiteral("menubar-off"), size, color);
    if (icon.isNull()) {
        icon = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
    }
    icon = withHalo(icon, halo);
    if (!isUpdatePending)
        return icon;
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double diameter = icon.height() * dotShare;
    const QRectF dot(icon.width() - diameter, 0, diameter, diameter);
    const double haloWidth = halo.alpha() == 0 ? 0 : 1;
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    painter.setBrush(Qt::black);
    const double cleared = dotRing + haloWidth;
    painter.drawEllipse(dot.adjusted(-cleared, -cleared, cleared, cleared));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (haloWidth > 0) {
        painter.setBrush(halo);
        painter.drawEllipse(dot.adjusted(-haloWidth, -haloWidth, haloWidth, haloWidth));
    }
    painter.setBrush(color);
    painter.drawEllipse(dot);
    return icon;
}

QIcon menuBarIconSet(bool isRunning, bool isUpdatePending, const QColor& color, const QColor& halo)
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48})
        icon.addPixmap(QPixmap::fromImage(menuBarIcon(isRunning, isUpdatePending, size, color, halo)));
    return icon;
}

} // namespace kestrel
