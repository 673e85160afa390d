#pragma once

#include "common/BoundedCache.h"
#include "overlay/KeycapGeometry.h"
#include "overlay/OverlaySurface.h"
#include "platform/x11/XcbHeaders.h"

#include <xcb/render.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QSocketNotifier;

namespace kestrel::x11 {

// The pixels of one keycap picture: premultiplied ARGB, one native 32-bit word a pixel, rows
// `stride` bytes apart.
struct PicturePixels {
    int width = 0;
    int height = 0;
    int stride = 0;
    const std::uint8_t* data = nullptr;
};

// The overlay's window composed by the X server. Each keycap picture is uploaded once and
// kept in the server, known by the keycap's face, within a budget of bytes that lets the pictures not shown for longest
// go first, and only while their colour and size are the overlay's; a frame is then a handful of RENDER requests: the
// pictures at their places, each through a solid alpha mask for its opacity, composed where the frame changed. With a
// compositing manager they are composed in a back buffer and copied onto the window in one request; without one,
// straight in the window. Nothing is painted on the client, and no pixels travel once the pictures are there.
//
// The window is override-redirect, 32 bits deep with alpha, and takes no input at all (its
// input shape is empty), so clicks go to the window below and it never takes the focus. It
// has its own connection to the display, read from the Qt main loop.
class XRenderSurface final : public OverlaySurface {
public:
    using PictureSource = std::function<PicturePixels(const OverlayLayer& layer, const OverlayFrame& frame)>;

    // On `display` (the session's when empty). Nothing, with `error` saying why, when the
    // display lacks what the surface needs: RENDER 0.10 (solid fills), SHAPE 1.1 (input
    // shapes) and a 32-bit TrueColor visual.
    static std::unique_ptr<XRenderSurface> create(PictureSource pictures, std::function<bool()> isComposited,
                                                  UiMessage* error = nullptr, const std::string& display = {});
    ~XRenderSurface() override;
    XRenderSurface(const XRenderSurface&) = delete;
    XRenderSurface& operator=(const XRenderSurface&) = delete;

    // Where the window goes, in the root window's pixels, and how many pixels a point has.
    void setGeometry(const PixelRect& geometry, double pixelRatio);
    xcb_window_t window() const { return m_window; }
    // How many keycap pictures the server holds for the surface, and their bytes.
    std::size_t pictureCount() const { return m_pictures.size(); }
    std::size_t pictureBytes() const { return m_pictures.bytes(); }

    Size size() const override;
    double pixelRatio() const override { return m_pixelRatio; }
    bool isComposited() const override { return m_isComposited(); }
    void setBuffered(bool buffered) override { m_buffered = buffered; }
    void place(const SurfacePlace& place) override;
    void show() override;
    void hide() override;
    bool isShown() const override { return m_mapped; }
    void setShape(const std::optional<std::vector<PixelRect>>& shape) override;
    void present(const OverlayFrame& frame) override;

private:
    struct Picture {
        xcb_render_picture_t picture = 0;
        int width = 0;
        int height = 0;
    };
    // What a frame's pictures depend on besides their keycap.
    struct PictureStyle {
        double fontSize = 0;
        KeyColor color = KeyColor::dark;
        double pixelRatio = 0;
        bool operator==(const PictureStyle&) const = default;
    };

    XRenderSurface(xcb_connection_t* connection, xcb_window_t root, PictureSource pictures,
                   std::function<bool()> isComposited);
    bool setUp(UiMessage* error);
    void makeBackBuffer();
    const Picture* pictureFor(const OverlayLayer& layer, const OverlayFrame& frame);
    xcb_render_picture_t opacityMask(std::uint8_t opacity);
    // Composes the frame's layers in `area` of `target`.
    void compose(const OverlayFrame& frame, const std::vector<xcb_rectangle_t>& area, xcb_render_picture_t target);
    void copyToWindow(const std::vector<xcb_rectangle_t>& area);
    void flushNow();
    // Handles the events that came; with `readSocket`, also those not yet read.
    void readEvents(bool readSocket);
    bool isBroken() const;

    xcb_connection_t* m_connection;
    xcb_window_t m_root;
    PictureSource m_source;
    std::function<bool()> m_isComposited;
    std::unique_ptr<QSocketNotifier> m_events;

    xcb_window_t m_window = 0;
    xcb_render_pictformat_t m_format = 0; // 32-bit ARGB
    xcb_render_picture_t m_windowPicture = 0;
    xcb_pixmap_t m_backPixmap = 0;
    xcb_render_picture_t m_backPicture = 0;
    xcb_gcontext_t m_uploadContext = 0;
    xcb_render_picture_t m_clear = 0; // transparent
    // Whether frames go through the back buffer: a compositing manager ran when the composer
    // last asked.
    bool m_buffered = false;
    bool m_backBufferIsCurrent = false; // it holds the last frame
    OverlayFrame m_lastFrame;           // drawn again where the window is exposed
    bool m_swapBytes = false;           // the server reads image words the other way round
    std::uint32_t m_maximumRequestBytes = 0;

    PixelRect m_geometry{0, 0, 1, 1};
    double m_pixelRatio = 1;
    bool m_mapped = false;
    bool m_covered = false; // another window has come over it since it was last raised
    // Requests that wait to go out with the next frame, or at the latest when the main loop
    // is about to sleep: mapping, shaping, moving.
    bool m_flushPending = false;
    BoundedCache<KeycapFace, Picture, KeycapFaceHash> m_pictures; // all of `m_pictureStyle`
    PictureStyle m_pictureStyle;
    std::array<xcb_render_picture_t, 256> m_masks{};
};

} // namespace kestrel::x11
