#pragma once

#include "overlay/OverlayComposer.h"
#include "overlay/OverlayPanel.h"

#include <QRect>

#include <functional>
#include <memory>

namespace kestrel {

class KeycapArtwork;
class KeycapPainter;
class OverlayView;
class Scheduler;

struct OverlayWindowOptions {
    bool reduceMotion = false;
    // Makes the surface of one overlay window, the one the window system composes fastest,
    // drawn from the painter's pictures and as large as the panel. Without a maker, or when it
    // makes nothing, Qt paints the frames in a window of its own.
    std::function<std::unique_ptr<OverlaySurface>(KeycapPainter& painter)> makeSurface;
    // Asked when a row appears, of Qt's window: whether the window system blends transparent
    // windows.
    std::function<bool()> isComposited = [] { return true; };
    // The input that waits for the frames while they come at the refresh.
    OverlayComposer::FramedInput input;
};

// The overlay panel on the desktop: a frameless, always-on-top window that takes neither
// clicks nor the keyboard focus and sits on every desktop, drawn by a composer from the
// overlay model on the surface it is handed (or Qt's). Frames arrive in Kestrel's coordinates
// and are converted to Qt's here.
class OverlayWindow final : public OverlayPanel {
public:
    OverlayWindow(const OverlayModel& model, KeycapPainter& painter, Scheduler& scheduler,
                  const OverlayWindowOptions& options);
    ~OverlayWindow() override;

    void setFrame(const Rect& frame) override;
    void orderFrontRegardless() override;
    void orderOut() override;

    // The Qt window, when Qt paints the frames.
    OverlayView* view() { return m_view.get(); }
    OverlayComposer& composer() { return *m_composer; }

private:
    class WidgetSurface;

    std::unique_ptr<OverlayView> m_view;
    std::unique_ptr<OverlaySurface> m_surface;
    std::unique_ptr<OverlayComposer> m_composer;
    QRect m_geometry;
};

// Makes overlay windows that share one artwork cache.
class OverlayWindowFactory final : public OverlayPanelFactory {
public:
    OverlayWindowFactory(Scheduler& scheduler, OverlayWindowOptions options);
    ~OverlayWindowFactory() override;

    std::unique_ptr<OverlayPanel> makePanel(OverlayModel& model) override;
    // The painter and its cache, shared with the keycap previews of the settings.
    KeycapPainter& painter() { return *m_painter; }

private:
    Scheduler& m_scheduler;
    OverlayWindowOptions m_options;
    std::unique_ptr<KeycapArtwork> m_artwork;
    std::unique_ptr<KeycapPainter> m_painter;
};

} // namespace kestrel
