#pragma once

#include "common/Geometry.h"
#include "overlay/InputDisplayState.h"
#include "overlay/KeycapGeometry.h"
#include "settings/PreferenceEnums.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kestrel {

// One keycap picture placed in a frame: which picture of which keycap, where its top-left
// corner goes (device pixels, whole ones, so pictures are copied and never resampled), and
// how opaque it is.
struct OverlayLayer {
    std::shared_ptr<const Keycap> keycap; // shared by every frame that shows this content
    KeycapPicture picture = KeycapPicture::base;
    int x = 0;
    int y = 0;
    std::uint8_t opacity = 255;
};

// What the overlay shows at one moment: its layers, back to front, over a transparent
// window. The pictures are those of `fontSize`, `color` and `pixelRatio`.
struct OverlayFrame {
    double fontSize = 64;
    KeyColor color = KeyColor::dark;
    double pixelRatio = 1;
    std::vector<OverlayLayer> layers;
    // What differs from the previous frame: only there must the surface draw again.
    std::vector<PixelRect> damage;
};

// Where the overlay's window goes on the desktop, in Qt's coordinates (points from the top-left
// corner of the virtual desktop, y down): its rectangle, and the screen it is on.
struct SurfacePlace {
    PixelRect geometry;
    PixelRect screen;
    std::string screenName;
    double pixelRatio = 1; // the screen's device pixels per point
    bool operator==(const SurfacePlace&) const = default;
};

// Where the overlay's frames go: a window of its own on the screen, drawn by whatever the
// window system composes fastest. It decides nothing; the composer tells it what to show.
class OverlaySurface {
public:
    virtual ~OverlaySurface() = default;

    // The surface's size in points and how many device pixels a point has.
    virtual Size size() const = 0;
    virtual double pixelRatio() const = 0;
    // Whether the window system blends transparent windows with what lies below.
    virtual bool isComposited() const = 0;
    // Whether frames are composed off screen and copied whole, as a compositing manager may
    // look at the window at any moment; else they may be drawn straight in the window. The
    // composer says so whenever it has asked `isComposited()`.
    virtual void setBuffered(bool buffered) = 0;
    // Puts the window there, at the screen's pixel ratio.
    virtual void place(const SurfacePlace& place) = 0;

    // Maps the window above every other (again, if it is already there) or unmaps it.
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isShown() const = 0;

    // Cuts the window to these rectangles (device pixels), or lifts the cut.
    virtual void setShape(const std::optional<std::vector<PixelRect>>& shape) = 0;
    virtual void present(const OverlayFrame& frame) = 0;
};

} // namespace kestrel
