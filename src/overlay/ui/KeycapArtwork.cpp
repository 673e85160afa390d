#include "overlay/ui/KeycapArtwork.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kestrel {

namespace {

// The bases and caps of every shape in the style in use, with room for the one before.
constexpr std::size_t imageBudget = 3 << 18;
// Where only the images made last are kept: the bases and caps of a few widths.
constexpr std::size_t recentImageBudget = 1 << 18;

QString sizeKey(QSize pixels)
{
    return QString::number(pixels.width()) + 'x' + QString::number(pixels.height());
}

} // namespace

QColor toQColor(Rgb color, double alpha)
{
    return QColor::fromRgbF(static_cast<float>(color.red), static_cast<float>(color.green),
                            static_cast<float>(color.blue), static_cast<float>(alpha));
}

KeycapArtwork::KeycapArtwork() : m_images(imageBudget) {}
KeycapArtwork::~KeycapArtwork() = default;

void KeycapArtwork::keepOnlyRecentImages()
{
    m_images.setBudget(recentImageBudget);
}

QString KeycapArtwork::shapeName(KeycapShape shape)
{
    switch (shape) {
    case KeycapShape::key:
        return QStringLiteral("key");
    case KeycapShape::cmd:
        return QStringLiteral("cmd");
    case KeycapShape::shift:
        return QStringLiteral("shift");
    case KeycapShape::space:
        return QStringLiteral("space");
    }
    return QStringLiteral("key");
}

QSvgRenderer& KeycapArtwork::renderer(const QString& name)
{
    auto& renderer = m_renderers[name];
    if (!renderer)
        renderer = std::make_shared<QSvgRenderer>(QStringLiteral(":/keycaps/%1.svg").arg(name));
    return *renderer;
}

QImage KeycapArtwork::render(const QString& name, QSize pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Stretched to the whole frame: the artwork is drawn at the shape's own proportions.
    renderer(name).render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

const QImage& KeycapArtwork::keep(const QString& key, QImage image)
{
    const auto cost = static_cast<std::size_t>(image.sizeInBytes());
    return m_images.insert(key, std::move(image), cost);
}

const QImage& KeycapArtwork::base(KeycapShape shape, QSize pixels)
{
    const QString name = "base-" + shapeName(shape);
    const QString key = name + '@' + sizeKey(pixels);
    if (const QImage* found = m_images.find(key))
        return *found;
    return keep(key, render(name, pixels));
}

const QImage& KeycapArtwork::cap(KeycapShape shape, KeyColor color, QSize pixels)
{
    const QString name = "cap-" + shapeName(shape) + '-' + QString::fromUtf8(KeycapColors::artworkName(color).data());
    const QString key = name + '@' + sizeKey(pixels) + '#' + QString::number(static_cast<int>(color));
    if (const QImage* found = m_images.find(key))
        return *found;
    QImage image = render(name, pixels);
    if (const auto tint = KeycapColors::tint(color)) {
        // Multiply by the tint, then restore the artwork's own transparency.
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.fillRect(image.rect(), toQColor(*tint));
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.drawImage(0, 0, render(name, pixels));
    }
    return keep(key, std::move(image));
}

const QImage& KeycapArtwork::mouse(const QString& button, QSize pixels, QColor color)
{
    const QString name = "mouse-" + button;
    const QString key = name + '@' + sizeKey(pixels) + '#' + color.name(QColor::HexArgb);
    if (const QImage* found = m_images.find(key))
        return *found;
    QImage image = render(name, pixels);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
    painter.end();
    return keep(key, std::move(image));
}

} // namespace kestrel
