#include "common/ui/Symbols.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace kestrel {

QImage Symbols::image(const QString& name, int size, const QColor& color)
{
    const QString path = QStringLiteral(":/symbols/%1.svg").arg(name);
    if (size <= 0 || !QFile::exists(path))
        return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    // The artwork's shape, in the colour asked for.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
    return image;
}

} // namespace kestrel
