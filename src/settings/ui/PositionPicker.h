#pragma once

#include "overlay/Spring.h"
#include "settings/PositionPickerGeometry.h"

#include "common/ui/FilledArtwork.h"
#include <QCoreApplication>
#include <QElapsedTimer>

#include <QImage>
#include <QPointF>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

namespace kestrel {

class DefaultsStore;

// The miniature screen of the Displays settings. A click on one of the eight preset spots
// chooses it; a click elsewhere, or a drag of 3 points or more, chooses a custom spot there.
// The sample overlay glides to its new place on a spring, and the preset spots fade out
// while the position is custom. The geometry is the core's; this widget draws it, writes
// the position preferences the moment they change, and animates only while something moves.
class PositionPicker final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(PositionPicker)

public:
    static constexpr int pickerHeight = 314;

    // `clock` gives seconds on a monotonic clock for the animations; by default the real one.
    PositionPicker(DefaultsStore& defaults, std::function<void()> changed, QWidget* parent = nullptr,
                   std::function<double()> clock = {});

    // Reads the preferences again and moves the sample there, gliding unless `jump`.
    void refresh(bool jump = false);
    // Where the sample overlay is drawn now (unit coordinates), and whether it still moves.
    Placement shownPlacement() const;
    bool isAnimating() const { return m_frames.isActive(); }
    double markerOpacity() const;
    // Whether the picture behind the sample is kept (only while the picker shows).
    bool holdsBackground() const { return m_background.isHeld(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void choose(const PositionPickerGeometry::Choice& choice);
    double now() const;

    DefaultsStore& m_defaults;
    std::function<void()> m_changed;
    // The sample's rectangle origin and anchor, each on its own spring.
    std::array<SpringValue, 4> m_springs;
    // The preset spots' opacity: from `m_fadeFrom` to the target over 0.2 s from `m_fadeStart`.
    double m_fadeFrom = 1;
    double m_fadeTarget = 1;
    double m_fadeStart = -1;
    bool m_shownOnce = false;
    QElapsedTimer m_elapsed;
    std::function<double()> m_clock;
    QTimer m_frames;
    QPointF m_pressedAt;
    bool m_pressed = false;
    bool m_dragging = false;
    FilledArtwork m_background{Artwork::previewBackground};
};

} // namespace kestrel
