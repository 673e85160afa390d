#include "common/ui/FilledArtwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QWidget>

#include <algorithm>

namespace kestrel {

const QImage& FilledArtwork::image(QSize size, qreal pixelRatio, const QColor& fallback)
{
    const QSize pixels = size * pixelRatio;
    if (m_image.size() == pixels && m_image.devicePixelRatio() == pixelRatio)
        return m_image;
    m_image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    m_image.fill(fallback);
    QSvgRenderer artwork(m_resource);
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

void FilledArtwork::paintRounded(QPainter& painter, const QWidget& widget, double cornerRadius)
{
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(widget.rect()), cornerRadius, cornerRadius);
    painter.setClipPath(clip);
    painter.drawImage(QPointF(0, 0),
                      image(widget.size(), widget.devicePixelRatioF(), widget.palette().color(QPalette::Dark)));
}

} // namespace kestrel
