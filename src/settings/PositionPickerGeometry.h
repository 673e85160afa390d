#pragma once

#include "common/Geometry.h"
#include "settings/PreferenceEnums.h"

#include <array>
#include <optional>

namespace kestrel {

// A rectangle in unit coordinates of the miniature screen: fractions of its width and
// height, origin top-left, y down.
struct UnitRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    double midX() const { return x + width / 2; }
    double midY() const { return y + height / 2; }
    // Edges at the minimum side belong to the rectangle, at the maximum side they do not.
    bool contains(double px, double py) const { return px >= x && px < x + width && py >= y && py < y + height; }
    bool operator==(const UnitRect&) const = default;
};

// Where the sample overlay sits in the miniature, and the point of it the key row aligns to.
struct Placement {
    UnitRect rect;
    UnitPoint anchor{0.5, 0.5};
    bool operator==(const Placement&) const = default;
};

// The geometry of the position picker, the miniature screen of the Displays settings: the
// eight preset spots (no middle centre), what a click or a drag chooses, and where the
// sample overlay and its key row are drawn. Plain functions of fractions and sizes; the
// widget only draws what they say and forwards clicks and drags.
namespace PositionPickerGeometry {

inline constexpr double markerWidth = 0.233;
inline constexpr double markerHeight = 0.121;
// The sample key row, in points, and the margin it keeps inside the sample overlay.
inline constexpr double keyRowWidth = 49;
inline constexpr double keyRowHeight = 18;
inline constexpr double keyRowMargin = 6;

struct Preset {
    OverlayPosition position;
    UnitRect rect;
};

// The presets in the order of the position enumeration.
inline constexpr std::array<Preset, 8> presets{{
    {OverlayPosition::topLeft, {0.029, 0.051, markerWidth, markerHeight}},
    {OverlayPosition::topCenter, {0.3835, 0.051, markerWidth, markerHeight}},
    {OverlayPosition::topRight, {0.738, 0.051, markerWidth, markerHeight}},
    {OverlayPosition::middleLeft, {0.029, 0.4395, markerWidth, markerHeight}},
    {OverlayPosition::middleRight, {0.738, 0.4395, markerWidth, markerHeight}},
    {OverlayPosition::bottomLeft, {0.029, 0.828, markerWidth, markerHeight}},
    {OverlayPosition::bottomCenter, {0.3835, 0.828, markerWidth, markerHeight}},
    {OverlayPosition::bottomRight, {0.738, 0.828, markerWidth, markerHeight}},
}};

// The sample overlay for a position: the preset's rectangle with a centred row, or for a
// custom position the rectangle that holds (x, y) at the same fractions inside it.
Placement placement(OverlayPosition position, double x, double y);

// What a click or a drag chooses. A custom choice carries its fractions, clamped to 0…1.
struct Choice {
    OverlayPosition position;
    std::optional<UnitPoint> custom; // only for `custom`
    bool operator==(const Choice&) const = default;
};
// The first preset that holds the point, or the point itself as a custom position.
Choice click(double px, double py);
// A drag always chooses a custom position.
Choice drag(double px, double py);

// The key row's centre in a miniature of `width` × `height` points.
Point keyRowCentre(const Placement& placement, double width, double height);

} // namespace PositionPickerGeometry

} // namespace kestrel
