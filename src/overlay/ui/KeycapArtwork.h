#pragma once

#include "common/BoundedCache.h"
#include "overlay/InputDisplayState.h"
#include "overlay/KeycapColors.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QString>

#include <memory>

class QSvgRenderer;

namespace kestrel {

// A keycap colour as Qt's.
QColor toQColor(Rgb color, double alpha = 1);

// The keycap artwork, rendered from its SVG files into images once per shape, colour and
// pixel size, and kept within a budget: vectors are never re-rendered for a frame, and the
// images of sizes and colours no longer drawn go first.
class KeycapArtwork {
public:
    KeycapArtwork();
    ~KeycapArtwork();

    // The key's well, never tinted. Each image returned holds until the next one is asked for.
    const QImage& base(KeycapShape shape, QSize pixels);
    // The cap, dark or white, multiplied by the colour's tint.
    const QImage& cap(KeycapShape shape, KeyColor color, QSize pixels);
    // A mouse picture ("left", "middle", "right") in one flat colour.
    const QImage& mouse(const QString& button, QSize pixels, QColor color);

    // Keeps only the images made last, for a painter whose pictures are kept elsewhere.
    void keepOnlyRecentImages();

    static QString shapeName(KeycapShape shape);

private:
    QSvgRenderer& renderer(const QString& name);
    QImage render(const QString& name, QSize pixels);

    const QImage& keep(const QString& key, QImage image);

    struct KeyHash {
        std::size_t operator()(const QString& key) const { return qHash(key); }
    };
    QHash<QString, std::shared_ptr<QSvgRenderer>> m_renderers;
    BoundedCache<QString, QImage, KeyHash> m_images;
};

} // namespace kestrel
