#include "overlay/ui/KeycapPainter.h"

#include "overlay/GaussianBlur.h"
#include "overlay/KeycapColors.h"
#include "overlay/ui/KeycapArtwork.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace kestrel {

namespace {

// The keycaps typed most, in the style in use: some forty at the medium size, the letters
// and the modifiers. A style changed many times over leaves no more than this behind.
constexpr std::size_t spriteBudget = 3 << 19;
// Blurred pictures are drawn only while a keycap fades in or out: those of the last dozen.
constexpr std::size_t blurredBudget = 1 << 19;
// Each, where the surface keeps its own copies: the pictures of the keycap being made.
constexpr std::size_t recentBudget = 1 << 16;

QRectF toQRect(const Box& box)
{
    return {box.x, box.y, box.width, box.height};
}

QFont labelFont(double pixelSize, QFont::Weight weight)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// A font of `pixelSize` shrunk (down to `minimumScale` of it) until `text` fits `width`.
QFont fittedFont(const QString& text, double pixelSize, QFont::Weight weight, double width, double minimumScale)
{
    QFont font = labelFont(pixelSize, weight);
    const double natural = QFontMetricsF(font).horizontalAdvance(text);
    if (natural > width && natural > 0) {
        const double scale = std::max(minimumScale, width / natural);
        font = labelFont(pixelSize * scale, weight);
    }
    return font;
}

// The brightness symbols: a sun with short rays (down) or long rays (up).
void paintSun(QPainter& painter, QRectF box, bool large, QColor color)
{
    const QPointF centre = box.center();
    const double radius = box.height() / 2;
    painter.save();
    painter.setPen(QPen(color, radius * 0.16, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(large ? QBrush(color) : QBrush(Qt::NoBrush));
    painter.drawEllipse(centre, radius * 0.36, radius * 0.36);
    const double inner = radius * 0.58;
    const double outer = large ? radius * 0.98 : radius * 0.78;
    for (int ray = 0; ray < 8; ++ray) {
        const double angle = ray * std::numbers::pi / 4;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * inner, centre + direction * outer);
    }
    painter.restore();
}

QString scrollArrow(ScrollDirection direction)
{
    switch (direction) {
    case ScrollDirection::up:
        return QStringLiteral("↑");
    case ScrollDirection::down:
        return QStringLiteral("↓");
    case ScrollDirection::left:
        return QStringLiteral("←");
    case ScrollDirection::right:
        return QStringLiteral("→");
    }
    return {};
}

QString buttonName(MouseButton button)
{
    switch (button) {
    case MouseButton::left:
        return QStringLiteral("left");
    case MouseButton::middle:
        return QStringLiteral("middle");
    case MouseButton::right:
        return QStringLiteral("right");
    }
    return QStringLiteral("left");
}

// Qt's raster engine hands a blend of 96 rows or more to helper threads, and for an image
// the size of a keycap the hand-off costs more than the blend: draw in strips of fewer rows.
void drawImageInStrips(QPainter& painter, QPointF origin, const QImage& image)
{
    constexpr int strip = 64; // device pixels
    const qreal pixelRatio = image.devicePixelRatio();
    for (int top = 0; top < image.height(); top += strip) {
        const int rows = std::min(strip, image.height() - top);
        painter.drawImage(origin + QPointF(0, top / pixelRatio), image, QRect(0, top, image.width(), rows));
    }
}

QSize pixelSize(double width, double height, qreal pixelRatio)
{
    return {static_cast<int>(std::ceil(width * pixelRatio)), static_cast<int>(std::ceil(height * pixelRatio))};
}

QSize toQSize(PixelSize size)
{
    return {size.width, size.height};
}

} // namespace

KeycapPainter::KeycapPainter(KeycapArtwork& artwork)
    : m_artwork(artwork), m_sprites(spriteBudget), m_blurred(blurredBudget)
{}

void KeycapPainter::keepOnlyRecentPictures()
{
    m_sprites.setBudget(recentBudget);
    m_blurred.setBudget(recentBudget);
    m_artwork.keepOnlyRecentImages();
}

void KeycapPainter::paintLabel(QPainter& painter, const Keycap& keycap, const KeycapGeometry& geometry, KeyColor color)
{
    const QColor textColor = toQColor(KeycapColors::textColor(color));
    const QRectF face = toQRect(geometry.labelArea());
    const QRectF content = face.adjusted(geometry.labelPadding(), geometry.labelPadding(), -geometry.labelPadding(),
                                         -geometry.labelPadding());
    const double h = geometry.height;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(textColor);

    // Mouse pictures are 2 : 3, fitted into a square of 0.3 h.
    const QSizeF mouseSize(geometry.mouseImageSize() * 2 / 3, geometry.mouseImageSize());
    const auto drawMouse = [&](const QString& button, QPointF centre) {
        const QRectF box(centre - QPointF(mouseSize.width() / 2, mouseSize.height() / 2), mouseSize);
        const QImage& image = m_artwork.mouse(
            button, pixelSize(mouseSize.width(), mouseSize.height(), painter.device()->devicePixelRatioF()), textColor);
        painter.drawImage(box, image);
    };

    if (keycap.mouse && keycap.mouse->kind == MouseGlyph::Kind::button) {
        // A column: the picture, then the name.
        const QString name = QString::fromStdString(keycap.name.value_or(""));
        const QFont font = fittedFont(name, geometry.nameFontSize(), QFont::DemiBold, face.width(), 0.5);
        const QFontMetricsF metrics(font);
        const double textHeight = name.isEmpty() ? 0 : metrics.height();
        const double columnHeight = mouseSize.height() + (name.isEmpty() ? 0 : geometry.columnSpacing() + textHeight);
        const double top = face.center().y() - columnHeight / 2;
        drawMouse(buttonName(keycap.mouse->button), QPointF(face.center().x(), top + mouseSize.height() / 2));
        if (!name.isEmpty()) {
            painter.setFont(font);
            painter.drawText(
                QRectF(face.left(), top + mouseSize.height() + geometry.columnSpacing(), face.width(), textHeight),
                Qt::AlignHCenter | Qt::AlignTop, name);
        }
    } else if (keycap.mouse) {
        // The mouse, with an arrow beside it in the scroll direction (screen y grows down).
        const QPointF centre = face.center();
        drawMouse(QStringLiteral("middle"), centre);
        const double offset = geometry.scrollArrowOffset();
        QPointF arrowCentre = centre;
        switch (keycap.mouse->direction) {
        case ScrollDirection::up:
            arrowCentre.ry() -= offset;
            break;
        case ScrollDirection::down:
            arrowCentre.ry() += offset;
            break;
        case ScrollDirection::left:
            arrowCentre.rx() -= offset;
            break;
        case ScrollDirection::right:
            arrowCentre.rx() += offset;
            break;
        }
        painter.setFont(labelFont(geometry.scrollArrowSize(), QFont::Bold));
        const double side = geometry.scrollArrowSize() * 2;
        painter.drawText(QRectF(arrowCentre - QPointF(side / 2, side / 2), QSizeF(side, side)), Qt::AlignCenter,
                         scrollArrow(keycap.mouse->direction));
    } else if (!keycap.name && !keycap.systemImage) {
        // A plain character: large and centred.
        const QString symbol = QString::fromStdString(keycap.symbol);
        painter.setFont(fittedFont(symbol, geometry.symbolOnlyFontSize(), QFont::Medium, content.width(), 0.4));
        painter.drawText(face, Qt::AlignCenter, symbol);
    } else {
        // Symbol (and image) at the top right, the name at the bottom right.
        const QString symbol = QString::fromStdString(keycap.symbol);
        const QFont symbolFont = labelFont(geometry.namedSymbolFontSize(), QFont::Normal);
        const QFontMetricsF symbolMetrics(symbolFont);
        const double rowHeight = symbolMetrics.height();
        double right = content.right();
        if (!symbol.isEmpty()) {
            painter.setFont(symbolFont);
            const double width = symbolMetrics.horizontalAdvance(symbol);
            painter.drawText(QRectF(right - width, content.top(), width, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                             symbol);
            right -= width + 0.04 * h;
        }
        if (keycap.systemImage) {
            const double side = geometry.namedSymbolFontSize();
            const QRectF box(right - side, content.top() + (rowHeight - side) / 2, side, side);
            paintSun(painter, box, *keycap.systemImage == "sun.max", textColor);
        }
        if (keycap.name) {
            const QString name = QString::fromStdString(*keycap.name);
            const QFont font = fittedFont(name, geometry.nameFontSize(), QFont::DemiBold, content.width(), 0.6);
            painter.setFont(font);
            const double nameHeight = QFontMetricsF(font).height();
            painter.drawText(QRectF(content.left(), content.bottom() - nameHeight, content.width(), nameHeight),
                             Qt::AlignRight | Qt::AlignBottom, name);
        }
    }

    if (keycap.indicatorIsOn) {
        // The caps-lock light, at the face's top-left corner.
        const double diameter = geometry.lightDiameter();
        const QPointF centre =
            face.topLeft() + QPointF(geometry.lightInset() + diameter / 2, geometry.lightInset() + diameter / 2);
        painter.setPen(Qt::NoPen);
        if (*keycap.indicatorIsOn) {
            const Rgb lit = KeycapColors::lightColor(color);
            const double glow = diameter / 2 + 2 * geometry.lightGlowRadius();
            QRadialGradient halo(centre, glow);
            halo.setColorAt(0, toQColor(lit, 0.9));
            halo.setColorAt(diameter / 2 / glow, toQColor(lit, 0.6));
            halo.setColorAt(1, toQColor(lit, 0));
            painter.setBrush(halo);
            painter.drawEllipse(centre, glow, glow);
            painter.setBrush(toQColor(lit));
        } else {
            painter.setBrush(toQColor(KeycapColors::lightOffColor()));
        }
        painter.drawEllipse(centre, diameter / 2, diameter / 2);
    }
    painter.restore();
}

std::size_t KeycapPainter::SpriteKeyHash::operator()(const SpriteKey& key) const
{
    std::size_t hash = KeycapFaceHash{}(key.face);
    mixHash(hash, static_cast<std::size_t>(key.color));
    mixHash(hash, std::hash<double>{}(key.size));
    mixHash(hash, std::hash<double>{}(key.pixelRatio));
    return hash;
}

KeycapPainter::SpriteKey KeycapPainter::spriteKey(const Keycap& keycap, KeycapPicture picture, double size,
                                                  KeyColor color, qreal pixelRatio)
{
    return {KeycapFace::of(keycap, picture), color, size, pixelRatio};
}

KeycapPainter::Sprite& KeycapPainter::sprite(const Keycap& keycap, double size, KeyColor color, qreal pixelRatio)
{
    SpriteKey key = spriteKey(keycap, KeycapPicture::cap, size, color, pixelRatio);
    if (Sprite* found = m_sprites.find(key))
        return *found;

    const KeycapGeometry geometry(size, keycap.shape);
    const QSize pixels = toQSize(pictureSize(geometry, KeycapPicture::base, pixelRatio));
    Sprite made;
    made.base = m_artwork.base(keycap.shape, pixels);
    made.base.setDevicePixelRatio(pixelRatio);
    made.cap = m_artwork.cap(keycap.shape, color, pixels).copy();
    made.cap.setDevicePixelRatio(pixelRatio);
    QPainter painter(&made.cap);
    paintLabel(painter, keycap, geometry, color);
    painter.end();
    // The base is the artwork's, shared by every keycap of its shape and charged there.
    const auto cost = static_cast<std::size_t>(made.cap.sizeInBytes());
    return m_sprites.insert(std::move(key), std::move(made), cost);
}

QImage KeycapPainter::blurredImage(const Sprite& sprite, const KeycapGeometry& geometry, qreal pixelRatio) const
{
    const double margin = KeycapBlur::margin;
    QImage image(toQSize(pictureSize(geometry, KeycapPicture::blurred, pixelRatio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(pixelRatio);
    QPainter painter(&image);
    painter.drawImage(QPointF(margin, margin), sprite.base);
    painter.drawImage(QPointF(margin, margin), sprite.cap);
    painter.end();
    gaussianBlur(reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
                 static_cast<int>(image.bytesPerLine() / 4), KeycapBlur::sigma * pixelRatio);
    return image;
}

const QImage& KeycapPainter::picture(const Keycap& keycap, KeycapPicture picture, double size, KeyColor color,
                                     qreal pixelRatio)
{
    if (picture == KeycapPicture::blurred) {
        SpriteKey key = spriteKey(keycap, KeycapPicture::blurred, size, color, pixelRatio);
        if (const QImage* found = m_blurred.find(key))
            return *found;
        QImage blurred =
            blurredImage(sprite(keycap, size, color, pixelRatio), KeycapGeometry(size, keycap.shape), pixelRatio);
        const auto cost = static_cast<std::size_t>(blurred.sizeInBytes());
        return m_blurred.insert(std::move(key), std::move(blurred), cost);
    }
    const Sprite& cached = sprite(keycap, size, color, pixelRatio);
    return picture == KeycapPicture::cap ? cached.cap : cached.base;
}

void KeycapPainter::paint(QPainter& painter, QPointF origin, const Keycap& keycap, double size, KeyColor color,
                          double sink)
{
    const qreal pixelRatio = painter.device()->devicePixelRatioF();
    const KeycapGeometry geometry(size, keycap.shape);
    const double drop = sinksWhenPressed(keycap) ? sink * geometry.sinkDistance() : 0;
    // Whole device pixels: images are then copied, not resampled.
    const auto snap = [pixelRatio](QPointF point) {
        return QPointF(std::round(point.x() * pixelRatio) / pixelRatio,
                       std::round(point.y() * pixelRatio) / pixelRatio);
    };
    drawImageInStrips(painter, snap(origin), picture(keycap, KeycapPicture::base, size, color, pixelRatio));
    drawImageInStrips(painter, snap(origin + QPointF(0, drop)),
                      picture(keycap, KeycapPicture::cap, size, color, pixelRatio));
}

void KeycapPainter::paintLayer(QPainter& painter, const OverlayLayer& layer, const OverlayFrame& frame)
{
    const QImage& image = picture(*layer.keycap, layer.picture, frame.fontSize, frame.color, frame.pixelRatio);
    const double previousOpacity = painter.opacity();
    painter.setOpacity(previousOpacity * layer.opacity / 255.0);
    drawImageInStrips(painter, QPointF(layer.x / frame.pixelRatio, layer.y / frame.pixelRatio), image);
    painter.setOpacity(previousOpacity);
}

} // namespace kestrel
