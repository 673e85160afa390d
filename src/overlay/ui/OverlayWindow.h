#pragma once

#include "overlay/OverlayPanel.h"
#include "overlay/ui/OverlayView.h"

#include <memory>

namespace kestrel {

class KeycapArtwork;
class KeycapPainter;

// The overlay panel on the desktop: a frameless, always-on-top window that takes neither
// clicks nor the keyboard focus and sits on every desktop, hosting the overlay view. Frames
// arrive in Kestrel's coordinates and are converted to Qt's here.
class OverlayWindow final : public OverlayPanel {
public:
    OverlayWindow(const OverlayModel& model, KeycapPainter& painter, OverlayView::Options options);
    ~OverlayWindow() override;

    void setFrame(const Rect& frame) override;
    void orderFrontRegardless() override;
    void orderOut() override;

    OverlayView& view() { return *m_view; }

private:
    std::unique_ptr<OverlayView> m_view;
};

// Makes overlay windows that share one artwork cache.
class OverlayWindowFactory final : public OverlayPanelFactory {
public:
    explicit OverlayWindowFactory(OverlayView::Options options);
    ~OverlayWindowFactory() override;

    std::unique_ptr<OverlayPanel> makePanel(OverlayModel& model) override;
    // The painter and its cache, shared with the keycap previews of the settings.
    KeycapPainter& painter() { return *m_painter; }

private:
    OverlayView::Options m_options;
    std::unique_ptr<KeycapArtwork> m_artwork;
    std::unique_ptr<KeycapPainter> m_painter;
};

} // namespace kestrel
