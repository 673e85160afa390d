#pragma once

#include "overlay/OverlaySurface.h"
#include "platform/wayland/LayerPlacement.h"

#include <functional>
#include <memory>
#include <string>

class QPainter;

namespace kestrel::wayland {

// Whether the Wayland compositor named by WAYLAND_DISPLAY offers layer surfaces
// (zwlr_layer_shell_v1: sway, KDE, Hyprland and others, not GNOME). When it does not, `why`
// says so in words.
bool compositorHasLayerShell(std::string* why = nullptr);

// The overlay on a Wayland compositor: a layer surface on the overlay layer, above every
// window (fullscreen ones too), on a connection of its own. It never takes the keyboard and
// its input region is empty, so clicks reach the window below. Frames are painted into
// shared-memory buffers, only where they changed, and committed with just that damage.
class LayerShellSurface final : public OverlaySurface {
public:
    // Draws one layer of a frame; the painter's device has the frame's pixel ratio.
    using LayerPainter = std::function<void(QPainter&, const OverlayLayer&, const OverlayFrame&)>;

    // Nothing, and `why` in words, when the compositor cannot be reached or lacks layer
    // surfaces or shared memory. `followsFocusedOutput` is asked as the surface is placed:
    // whether it goes on the output the compositor chooses (the focused one), as Wayland tells
    // no client where the pointer is.
    static std::unique_ptr<LayerShellSurface> create(LayerPainter paint, std::function<bool()> followsFocusedOutput,
                                                     std::string* why = nullptr);
    ~LayerShellSurface() override;

    LayerShellSurface(const LayerShellSurface&) = delete;
    LayerShellSurface& operator=(const LayerShellSurface&) = delete;

    // Where the surface goes (see SurfacePlacement).
    using Placement = SurfacePlacement;
    void setPlacement(const Placement& placement);

    Size size() const override;
    double pixelRatio() const override;
    bool isComposited() const override { return true; }
    // Every frame is drawn in a buffer of its own before the compositor sees it.
    void setBuffered(bool) override {}
    // On the screen's output, from the output's edges.
    void place(const SurfacePlace& place) override;
    void show() override;
    void hide() override;
    bool isShown() const override;
    // The compositor blends the surface with what lies below; there is nothing to cut.
    void setShape(const std::optional<std::vector<PixelRect>>&) override {}
    void present(const OverlayFrame& frame) override;

    // The outputs the compositor announced, by name.
    std::vector<std::string> outputNames() const;

private:
    struct Impl;
    LayerShellSurface(std::unique_ptr<Impl> impl, std::function<bool()> followsFocusedOutput);
    std::unique_ptr<Impl> d;
    std::function<bool()> m_followsFocusedOutput;
};

} // namespace kestrel::wayland
