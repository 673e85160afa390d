#pragma once

#include "overlay/OverlayComposer.h"
#include "overlay/OverlayPanel.h"

#include <QRect>

#include <functional>
#include <memory>

namespace kestrel {

namespace x11 {
class XRenderSurface;
}
namespace wayland {
class LayerShellSurface;
}

class KeycapArtwork;
class KeycapPainter;
class OverlayView;
class Scheduler;

struct OverlayWindowOptions {
    bool reduceMotion = false;
    // Whether the X server composes the frames from pictures it keeps (where it can); else
    // Qt paints them.
    bool composeOnServer = false;
    // Whether the overlay is a layer surface of the Wayland compositor (where it has them).
    bool layerShell = false;
    // Asked as the overlay is placed: whether it goes on the output the compositor chooses
    // (the focused one), as Wayland tells no client where the pointer is.
    std::function<bool()> followsFocusedOutput = [] { return false; };
    // Asked when a row appears: whether the window system blends transparent windows.
    std::function<bool()> isComposited = [] { return true; };
    // The input that waits for the frames while they come at the refresh.
    OverlayComposer::FramedInput input;
};

// The overlay panel on the desktop: a frameless, always-on-top window that takes neither
// clicks nor the keyboard focus and sits on every desktop, drawn by a composer from the
// overlay model. Frames arrive in Kestrel's coordinates and are converted to Qt's here.
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
    std::unique_ptr<WidgetSurface> m_widgetSurface;
    std::unique_ptr<x11::XRenderSurface> m_serverSurface;
    std::unique_ptr<wayland::LayerShellSurface> m_layerSurface;
    std::unique_ptr<OverlayComposer> m_composer;
    QRect m_geometry;
    std::function<bool()> m_followsFocusedOutput;
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
