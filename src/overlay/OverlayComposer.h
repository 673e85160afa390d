#pragma once

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
// Frames are paced to the display's refresh: a burst of changes becomes one frame, and a
// frame goes out only when the picture changes (a cap that sinks four pixels needs four
// frames, not the spring's whole duration). At rest nothing is scheduled, so the overlay
// makes no wake-ups. It reads the model and never writes it.
//
// Without a compositing manager transparent pixels would show black, so the surface is
// then cut to the keycaps themselves, fades become instant, and an empty row unmaps it.
class OverlayComposer {
public:
    // Input that can wait for frames. While frames come at the refresh, a key need not wake
    // Kestrel when it comes: the next frame would show it no sooner. `waitForFrames(true)`
    // asks the input to hold what comes, `takeInput()` hands it on just before each frame is
    // composed, and `waitForFrames(false)` (at rest, or when the next frame is far off) has
    // it wake Kestrel again at once.
    struct FramedInput {
        std::function<void(bool)> waitForFrames;
        std::function<void()> takeInput;
    };
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
    void setFrameInterval(double seconds);
    double frameInterval() const { return m_frameInterval; }

    // Whether a frame is on its way.
    bool isAnimating() const { return m_frameTask.has_value(); }
    // What was presented last, layer for layer.
    const OverlayFrame& lastFrame() const { return m_frame; }

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

    double now() const;
    double frameTime() const; // when the next frame will be on screen
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

    void requestFrame(); // as soon as the display takes one
    void frameDue();
    void present(double time);
    void scheduleAfter(double shown);
    void scheduleFrame(double wait); // seconds from now
    void cancelFrame();
    // Whether input waits for the frames: only while one is due within about a refresh.
    void letInputWait(bool wait);
    void updateShape();
    void showIfNeeded();

    const OverlayModel& m_model;
    Scheduler& m_scheduler;
    OverlaySurface& m_surface;
    Options m_options;
    bool m_composited;
    std::vector<Item> m_items;
    SpringValue m_rowVisibility;
    double m_rowTop = 0;
    bool m_orderedIn = false;
    double m_frameInterval = 1.0 / 60;
    std::optional<double> m_lastPresented;
    std::optional<std::uint64_t> m_frameTask;
    double m_frameDue = 0; // when the frame on its way is due
    bool m_inputWaits = false;
    bool m_takingInput = false; // the frame about to be composed shows what comes now
    std::vector<PixelRect> m_pendingDamage;
    OverlayFrame m_frame;
    std::vector<int> m_shapeOutline;
    std::vector<std::function<void()>> m_unsubscribe;
};

// The outline of a rounded rectangle in whole pixels, as rectangles from top to bottom: a
// pixel belongs to it when its centre does.
std::vector<PixelRect> roundedRectPixels(double x, double y, double width, double height, double radius);

} // namespace kestrel
