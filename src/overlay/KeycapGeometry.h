#pragma once

#include "common/Geometry.h"
#include "overlay/InputDisplayState.h"

namespace kestrel {

// A rectangle in a view's coordinates: origin top-left, y grows downward, in points.
struct Box {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    bool operator==(const Box&) const = default;
};

// The measurements of one keycap at a base size (the overlay's font size: 48, 64 or 80
// points). Everything is a proportion of the keycap height h = 1.5 × size, and the artwork
// is designed 525 units high, so one unit is h / 525.
struct KeycapGeometry {
    KeycapGeometry(double size, KeycapShape shape);

    static double widthUnits(KeycapShape shape); // 536, 660, 1000 or 1740

    double size;
    double height; // h
    double unit;   // u = h / 525
    double width;

    // The cap's top face, where the label goes: 55 u in from either side, 19 u down, 374 u high.
    Box labelArea() const { return {55 * unit, 19 * unit, width - 110 * unit, 374 * unit}; }
    // The label's content sits inside the face with this padding on every side.
    double labelPadding() const { return 0.07 * height; }
    // How far the cap (and its label) sinks when pressed.
    double sinkDistance() const { return 24 * unit; }

    double symbolOnlyFontSize() const { return 0.3 * height; } // a letter alone, medium weight
    double namedSymbolFontSize() const { return 0.18 * height; }
    double nameFontSize() const { return 0.17 * height; } // semibold
    double mouseImageSize() const { return 0.3 * height; }
    double columnSpacing() const { return 0.04 * height; }
    double scrollArrowSize() const { return 0.12 * height; }
    // From the mouse picture's centre to the arrow's: a gap, half the picture, half the arrow.
    double scrollArrowOffset() const { return 0.24 * height; }
    double lightDiameter() const { return 0.07 * height; }
    double lightInset() const { return 0.08 * height; }
    double lightGlowRadius() const { return 0.04 * height; }
};

// Whether the keycap's cap sinks while it is pressed: a scroll step is no key held down.
inline bool sinksWhenPressed(const Keycap& keycap)
{
    return !(keycap.mouse && keycap.mouse->kind == MouseGlyph::Kind::scroll);
}

// The pictures a keycap is drawn from: its well, its cap with the label (which sinks while
// pressed), and the whole keycap blurred, shown while it fades in or out.
enum class KeycapPicture : std::uint8_t { base, cap, blurred };

// What one of a keycap's pictures shows, the overlay's colour and size aside: keycaps of
// equal faces have equal pictures, whatever their ids and however they were made. A base
// shows the shape alone.
struct KeycapFace {
    KeycapPicture picture = KeycapPicture::cap;
    KeycapShape shape = KeycapShape::key;
    std::string symbol;
    std::optional<std::string> name;
    std::optional<std::string> systemImage;
    std::optional<bool> indicatorIsOn;
    std::optional<MouseGlyph> mouse;

    static KeycapFace of(const Keycap& keycap, KeycapPicture picture);
    bool operator==(const KeycapFace&) const = default;
};

struct KeycapFaceHash {
    std::size_t operator()(const KeycapFace& face) const;
};

// Mixes `value` into `hash`, for hashes of several fields.
inline void mixHash(std::size_t& hash, std::size_t value)
{
    hash ^= value + 0x9e3779b97f4a7c15u + (hash << 6) + (hash >> 2);
}

namespace KeycapBlur {
// The blur of a hidden keycap: a Gaussian of radius 12 points, standard deviation half that.
inline constexpr double radius = 12;
inline constexpr double sigma = radius / 2;
// How far the blurred picture reaches beyond the keycap's frame on each side: three
// standard deviations.
inline constexpr double margin = 3 * sigma;
} // namespace KeycapBlur

// The size of a keycap picture in device pixels.
PixelSize pictureSize(const KeycapGeometry& geometry, KeycapPicture picture, double pixelRatio);

// The row of keycaps in the overlay.
namespace KeycapRow {
inline double spacing(double size)
{
    return size * 0.1;
}
inline double padding(double size)
{
    return size * 0.2;
}
} // namespace KeycapRow

} // namespace kestrel
