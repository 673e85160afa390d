#include "settings/ui/PreviewBackground.h"

#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace kestrel {

const QImage& PreviewBackground::image(QSize size, qreal pixelRatio, const QColor& fallback)
{
    const QSize pixels = size * pixelRatio;
    if (m_image.size() == pixels && m_image.devicePixelRatio() == pixelRatio)
        return m_image;
    m_image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    m_image.fill(fallback);
    QSvgRenderer artwork(QStringLiteral(":/preview/preview-background.svg"));
    if (artwork.isValid()) {
        QPainter painter(&m_image);
        const QSizeF natural = artwork.defaultSize();
        const double scale = std::max(pixels.width() / natural.width(), pixels.height() / natural.height());
        const QSizeF drawn = natural * scale;
        artwork.render(
            &painter,
            QRectF(QPointF((pixels.width() - drawn.width()) / 2, (pixels.height() - drawn.height()) / 2), drawn));
    }
    m_image.setDevicePixelRatio(pixelRatio);
    return m_image;
}

} // namespace kestrel
