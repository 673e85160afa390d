#pragma once

#include "overlay/OverlayModel.h"
#include "overlay/Spring.h"

#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <array>

#include <functional>
#include <vector>

namespace kestrel {

class KeycapPainter;

// The overlay's content: the model's keycaps in one row, at the model's alignment or custom
// anchor inside the panel. Keycaps come and go with a blur-fade, slide when neighbours
// change, and sink while pressed; the whole row fades in and out. Every animation is a
// spring evaluated for the moment its frame will be shown, so the first frame after a key
// press already shows it. A frame timer runs only while something moves; at rest the view
// makes no wake-ups at all. It reads the model and never writes it.
//
// Without a compositing manager transparent pixels would show black, so the window is then
// shaped to the keycaps themselves, fades become instant, and an empty row hides the window.
class OverlayView : public QWidget {
public:
    struct Options {
        bool reduceMotion = false;
        // Asked when the row appears: whether the window system blends transparent windows.
        std::function<bool()> isComposited = [] { return true; };
    };

    OverlayView(const OverlayModel& model, KeycapPainter& painter, Options options);
    ~OverlayView() override;

    // Whether the window should be on screen: the panel's order-front and order-out.
    void setOrderedIn(bool orderedIn);
    bool isAnimating() const { return m_frameTimer.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Item {
        Keycap keycap;
        double width = 0;
        SpringValue x;
        SpringValue visibility; // 0 blurred and transparent … 1 sharp and opaque
        SpringValue sink;       // 0 up … 1 down
        bool leaving = false;
        bool placed = false; // has a place in the row yet
        // What was drawn last, to repaint only what changes.
        std::array<long, 3> paintedLook{-1, -1, -1};
        QRect paintedBounds;
        bool contentChanged = true;
    };

    static double now();
    double frameTime() const; // when the next frame will be on screen
    void keycapsChanged(const std::vector<Keycap>& keycaps);
    void styleChanged();
    void layOut(double time, bool slide);
    QPointF rowOrigin(double rowWidth) const;
    double rowWidth() const;
    void animate();
    void tick();
    void refreshFrame(double time);
    void scheduleNextFrame(double shown);
    std::array<long, 3> lookOf(const Item& item, double time) const;
    bool isMoving(double time) const;
    void forget(const Item& item); // its area is repainted at the next frame
    QRect itemBounds(const Item& item, double time) const;
    void updateShape(double time);
    void showIfNeeded();

    const OverlayModel& m_model;
    KeycapPainter& m_painter;
    Options m_options;
    std::vector<Item> m_items;
    SpringValue m_rowVisibility;
    double m_rowTop = 0;
    bool m_composited = true;
    bool m_orderedIn = false;
    QTimer m_frameTimer;
    QRegion m_pendingDirty;
    QRegion m_shape;
    std::vector<long> m_shapeOutline;
    std::vector<std::function<void()>> m_unsubscribe;
};

} // namespace kestrel
