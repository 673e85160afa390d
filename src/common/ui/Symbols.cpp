#include "common/ui/Symbols.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace kestrel {

QImage Symbols::image(const QString& name, int size, const QColor& color)
{
    // A handful of symbols in a few sizes and colours: the cache stays small.
    static QHash<QString, QImage> drawn;
    const QString key = name + u'/' + QString::number(size) + u'/' + QString::number(color.rgba(), 16);
    if (const auto found = drawn.constFind(key); found != drawn.cend())
        return *found;
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
    painter.end();
    drawn.insert(key, image);
    return image;
}

QImage Symbols::image(const QString& name, int logicalSize, qreal pixelRatio, const QColor& color)
{
    QImage picture = image(name, qRound(logicalSize * pixelRatio), color);
    picture.setDevicePixelRatio(pixelRatio);
    return picture;
}

} // namespace kestrel
