#pragma once

#include "common/Geometry.h"

#include <memory>

namespace kestrel {

struct OverlayModel;

// The window that carries the overlay: borderless, transparent, above other windows, on
// every desktop, and transparent to the mouse, so it never takes a click or the focus.
// The overlay controller creates one on first use and keeps it.
class OverlayPanel {
public:
    virtual ~OverlayPanel() = default;
    // Global coordinates (origin bottom-left, y up). Does not force a redraw.
    virtual void setFrame(const Rect& frame) = 0;
    // Shows the panel above other windows whichever application is active, without focus.
    virtual void orderFrontRegardless() = 0;
    virtual void orderOut() = 0;
};

// Makes the panel, hosting a view that draws `model`.
class OverlayPanelFactory {
public:
    virtual ~OverlayPanelFactory() = default;
    virtual std::unique_ptr<OverlayPanel> makePanel(OverlayModel& model) = 0;
};

} // namespace kestrel
