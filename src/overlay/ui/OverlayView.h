#pragma once

#include "overlay/OverlaySurface.h"

#include <QWidget>

namespace kestrel {

class KeycapPainter;

// The overlay's window drawn by Qt: it shows the frames the composer sends, layer by layer,
// and draws again only where a frame differs from the one before.
class OverlayView : public QWidget {
public:
    explicit OverlayView(KeycapPainter& painter);

    void present(const OverlayFrame& frame);
    const OverlayFrame& frame() const { return m_frame; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    KeycapPainter& m_painter;
    OverlayFrame m_frame;
};

} // namespace kestrel
