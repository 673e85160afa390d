#pragma once

#include "common/BoundedCache.h"
#include "overlay/InputDisplayState.h"
#include "overlay/KeycapGeometry.h"
#include "overlay/OverlaySurface.h"
#include "settings/PreferenceEnums.h"

#include <QImage>
#include <QPointF>

#include <optional>
#include <string>

class QPainter;

namespace kestrel {

class KeycapArtwork;

// Paints keycaps into a QPainter: the base, then the cap with its label and caps-lock light,
// sunk by the press animation. The cap and its label are composed once per keycap content,
// colour, size and pixel ratio and kept as pictures, so a frame is a few image copies; the
// blurred picture used while a keycap fades in or out is made on first need. The pictures
// kept have a budget of bytes, and those of keycaps or styles not shown for longest go
// first. Geometry comes from the core's KeycapGeometry; this class only draws.
class KeycapPainter {
public:
    explicit KeycapPainter(KeycapArtwork& artwork);

    // Draws the keycap, sharp and opaque, with its frame's top-left corner at `origin`
    // (points). `sink` is the press animation, 0 up and 1 down.
    void paint(QPainter& painter, QPointF origin, const Keycap& keycap, double size, KeyColor color, double sink = 0);
    // Draws one layer of an overlay frame.
    void paintLayer(QPainter& painter, const OverlayLayer& layer, const OverlayFrame& frame);

    // One of a keycap's pictures, premultiplied ARGB, made on first need and kept. The
    // reference holds until the next picture is asked for.
    const QImage& picture(const Keycap& keycap, KeycapPicture picture, double size, KeyColor color, qreal pixelRatio);

    // The label on the cap's face, in the cap's own coordinates (points). Also used to
    // compose the cached cap image.
    void paintLabel(QPainter& painter, const Keycap& keycap, const KeycapGeometry& geometry, KeyColor color);

    // For a surface that keeps every picture it is given (the X server does): from now on
    // only the last few made are kept, enough for one keycap's pictures asked for in a row.
    void keepOnlyRecentPictures();

    // The bytes of the pictures kept, and their limit.
    std::size_t cachedBytes() const { return m_sprites.bytes() + m_blurred.bytes(); }
    std::size_t cacheBudget() const { return m_sprites.budget() + m_blurred.budget(); }

private:
    struct Sprite {
        QImage base;
        QImage cap; // cap artwork, label and light
    };
    // What a keycap's pictures depend on: its face and the style, not its id or whether it
    // is pressed.
    struct SpriteKey {
        KeycapFace face;
        KeyColor color = KeyColor::dark;
        double size = 0;
        qreal pixelRatio = 1;
        bool operator==(const SpriteKey&) const = default;
    };
    struct SpriteKeyHash {
        std::size_t operator()(const SpriteKey& key) const;
    };

    static SpriteKey spriteKey(const Keycap& keycap, KeycapPicture picture, double size, KeyColor color,
                               qreal pixelRatio);
    Sprite& sprite(const Keycap& keycap, double size, KeyColor color, qreal pixelRatio);
    QImage blurredImage(const Sprite& sprite, const KeycapGeometry& geometry, qreal pixelRatio) const;

    KeycapArtwork& m_artwork;
    BoundedCache<SpriteKey, Sprite, SpriteKeyHash> m_sprites;
    BoundedCache<SpriteKey, QImage, SpriteKeyHash> m_blurred;
};

} // namespace kestrel
