#pragma once

#include "overlay/FramePacer.h"
#include "overlay/OverlayModel.h"
#include "overlay/OverlaySurface.h"
#include "overlay/Spring.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace kestrel {

class Scheduler;

// Turns the overlay model into frames for a surface: the model's keycaps in one row, at the
// model's alignment or custom anchor inside the panel. Keycaps come and go with a
// blur-fade, slide when neighbours change, and sink while pressed; the whole row fades in
// and out. Every animation is a spring evaluated for the moment its frame will be shown,
// so the first frame after a key press already shows it.
//
// Frames are paced to the display's refresh (see FramePacer), and a frame goes out only when
// the picture changes (a cap that sinks four pixels needs four frames, not the spring's whole
// duration). It reads the model and never writes it.
//
// Without a compositing manager transparent pixels would show black, so the surface is
// then cut to the keycaps themselves, fades become instant, and an empty row unmaps it.
class OverlayComposer {
public:
    using FramedInput = FramePacer::FramedInput;
    struct Options {
        bool reduceMotion = false;
        FramedInput input;
    };

    OverlayComposer(const OverlayModel& model, Scheduler& scheduler, OverlaySurface& surface, Options options);
    ~OverlayComposer();
    OverlayComposer(const OverlayComposer&) = delete;
    OverlayComposer& operator=(const OverlayComposer&) = delete;

    // Whether the surface should be on screen: the panel's order-front and order-out.
    void setOrderedIn(bool orderedIn);
    // The surface changed size: the row takes its place again, with no animation.
    void surfaceResized();
    // The time between two frames on the display (seconds); 60 Hz until told.
    void setFrameInterval(double seconds) { m_pacer.setInterval(seconds); }
    double frameInterval() const { return m_pacer.interval(); }

    // Whether a frame is on its way.
    bool isAnimating() const { return m_pacer.isScheduled(); }
    // What was presented last, layer for layer.
    const OverlayFrame& lastFrame() const { return m_frame; }
    // The keycaps the overlay holds, those still fading out included.
    std::size_t keycapCount() const { return m_items.size(); }

private:
    // Where a keycap's pictures go (device pixels) and its fade level in 64 steps: a frame
    // that changes none of these looks the same.
    struct Look {
        int x = 0;
        int y = 0;
        int capY = 0;
        int blurX = 0;
        int blurY = 0;
        int fade = -1;
        bool operator==(const Look&) const = default;
    };

    struct Item {
        std::shared_ptr<const Keycap> keycap;
        double width = 0;
        SpringValue x;
        SpringValue visibility; // 0 blurred and transparent … 1 sharp and opaque
        SpringValue sink;       // 0 up … 1 down
        bool leaving = false;
        bool placed = false; // has a place in the row yet
        // What was presented last, to draw only what changes.
        Look presentedLook;
        PixelRect presentedBounds;
        bool contentChanged = true;
    };

    void keycapsChanged(const std::vector<Keycap>& keycaps);
    void styleChanged();
    void layOut(double time, bool slide);
    Point rowOrigin(double rowWidth) const;
    double rowWidth() const;
    Look lookOf(const Item& item, double time) const;
    PixelRect boundsOf(const Item& item, const Look& look) const;
    void addLayers(const Item& item, const Look& look);
    bool isMoving(double time) const;
    void forget(const Item& item); // its area is drawn again in the next frame

    void frameDue();
    void present(double time);
    void scheduleAfter(double shown);
    void updateShape();
    void showIfNeeded();

    const OverlayModel& m_model;
    OverlaySurface& m_surface;
    Options m_options;
    bool m_composited;
    std::vector<Item> m_items;
    SpringValue m_rowVisibility;
    double m_rowTop = 0;
    bool m_orderedIn = false;
    std::vector<PixelRect> m_pendingDamage;
    OverlayFrame m_frame;
    std::vector<int> m_shapeOutline;
    std::vector<std::function<void()>> m_unsubscribe;
    FramePacer m_pacer; // last: it goes first, and no frame comes while the rest goes
};

// The outline of a rounded rectangle in whole pixels, as rectangles from top to bottom: a
// pixel belongs to it when its centre does.
std::vector<PixelRect> roundedRectPixels(double x, double y, double width, double height, double radius);

} // namespace kestrel
