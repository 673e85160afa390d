#include "platform/wayland/LayerShellSurface.h"

#include "common/ui/Translated.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandGlobals.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <wayland-client.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <list>

namespace kestrel::wayland {

namespace {

// Two buffers take turns; a third is made only while the compositor holds both.
constexpr std::size_t maximumBuffers = 3;

} // namespace

struct LayerShellSurface::Impl {
    Impl(std::unique_ptr<WaylandConnection> opened, LayerPainter painter)
        : connection(std::move(opened)), display(connection->display()), paint(std::move(painter))
    {}
    ~Impl()
    {
        unmap();
        buffers.clear();
        globals.release();
    }

    void map();
    void unmap();
    void place();
    void draw();
    static void configured(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial, std::uint32_t width,
                           std::uint32_t height);
    static void closed(void* data, zwlr_layer_surface_v1* layer);
    static const zwlr_layer_surface_v1_listener layerListener;

    std::unique_ptr<WaylandConnection> connection;
    wl_display* display;
    LayerPainter paint;
    Globals globals;

    Placement placement;

    bool shown = false;
    wl_surface* surface = nullptr;
    zwlr_layer_surface_v1* layer = nullptr;
    bool isConfigured = false;
    wl_output* mappedOn = nullptr;
    std::list<ShmBuffer> buffers;
    OverlayFrame frame;          // the latest frame
    QRegion damage;              // device pixels changed since the last commit
    bool frameIsWaiting = false; // not yet committed (no buffer, or not configured yet)
};

const zwlr_layer_surface_v1_listener LayerShellSurface::Impl::layerListener{&configured, &closed};

bool compositorHasLayerShell(std::string* why)
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        if (why)
            *why = translatedText(KESTREL_TEXT("Wayland", "no Wayland compositor answers"));
        return false;
    }
    Globals globals;
    const bool answered = globals.bind(display);
    const bool has = answered && globals.layerShell != nullptr;
    if (!has && why)
        *why = answered ? "the Wayland compositor offers no layer surfaces (zwlr_layer_shell_v1)" : noAnswer;
    globals.release();
    wl_display_disconnect(display);
    return has;
}

std::unique_ptr<LayerShellSurface>
LayerShellSurface::create(LayerPainter paint, std::function<bool()> followsFocusedOutput, std::string* why)
{
    auto connection = WaylandConnection::open();
    if (!connection) {
        if (why)
            *why = translatedText(KESTREL_TEXT("Wayland", "no Wayland compositor answers"));
        return nullptr;
    }
    auto impl = std::make_unique<Impl>(std::move(connection), std::move(paint));
    if (!impl->globals.bind(impl->display)) {
        if (why)
            *why = noAnswer;
        return nullptr;
    }
    if (!impl->globals.compositor || !impl->globals.shm || !impl->globals.layerShell) {
        if (why)
            *why = translatedText(
                KESTREL_TEXT("Wayland", "the Wayland compositor offers no layer surfaces (zwlr_layer_shell_v1)"));
        return nullptr;
    }
    impl->connection->attachToMainLoop();
    return std::unique_ptr<LayerShellSurface>(new LayerShellSurface(std::move(impl), std::move(followsFocusedOutput)));
}

LayerShellSurface::LayerShellSurface(std::unique_ptr<Impl> impl, std::function<bool()> followsFocusedOutput)
    : d(std::move(impl)), m_followsFocusedOutput(std::move(followsFocusedOutput))
{}

LayerShellSurface::~LayerShellSurface() = default;

void LayerShellSurface::Impl::map()
{
    if (connection->isBroken() || surface)
        return;
    const Output* output = globals.output(placement.outputName);
    mappedOn = output ? output->output : nullptr;
    surface = wl_compositor_create_surface(globals.compositor);
    // No input region: clicks go through to whatever lies below.
    wl_region* nothing = wl_compositor_create_region(globals.compositor);
    wl_surface_set_input_region(surface, nothing);
    wl_region_destroy(nothing);
    layer = zwlr_layer_shell_v1_get_layer_surface(globals.layerShell, surface, mappedOn,
                                                  ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "kestrel");
    zwlr_layer_surface_v1_add_listener(layer, &layerListener, this);
    zwlr_layer_surface_v1_set_keyboard_interactivity(layer, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
    // Placed on the whole output, whatever panels reserve.
    zwlr_layer_surface_v1_set_exclusive_zone(layer, -1);
    isConfigured = false;
    place();
    // The first commit carries no buffer; the compositor answers with a configure (or, late,
    // through the main loop).
    wl_surface_commit(surface);
    roundTrip(display);
}

void LayerShellSurface::Impl::place()
{
    wayland::place(layer, surface, placement);
}

void LayerShellSurface::Impl::unmap()
{
    destroy(layer, surface);
    isConfigured = false;
    // Whatever a buffer held is no longer on screen: the next frame draws everything.
    for (ShmBuffer& buffer : buffers)
        buffer.stale = QRegion(0, 0, buffer.width, buffer.height);
    damage = QRegion(0, 0, placement.width * placement.scale, placement.height * placement.scale);
    connection->flush();
}

void LayerShellSurface::Impl::configured(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial, std::uint32_t,
                                         std::uint32_t)
{
    auto* self = static_cast<Impl*>(data);
    zwlr_layer_surface_v1_ack_configure(layer, serial);
    self->isConfigured = true;
    if (self->frameIsWaiting)
        self->draw();
}

void LayerShellSurface::Impl::closed(void* data, zwlr_layer_surface_v1*)
{
    // The compositor took the surface away (its output went): map it again at the next show.
    auto* self = static_cast<Impl*>(data);
    self->unmap();
    self->shown = false;
}

void LayerShellSurface::Impl::draw()
{
    frameIsWaiting = true;
    if (connection->isBroken() || !surface || !isConfigured)
        return;
    // A frame that finds no free buffer is drawn when the compositor lets go of one.
    const auto drawWaitingFrame = [this] {
        if (frameIsWaiting)
            draw();
    };
    ShmBuffer* buffer = freeBuffer(buffers, globals.shm, placement.width * placement.scale,
                                   placement.height * placement.scale, maximumBuffers, drawWaitingFrame);
    if (!buffer)
        return;
    frameIsWaiting = false;

    QImage image = buffer->image();
    QPainter painter(&image);
    // Clear what is out of date here, then draw the layers over it, in device pixels scaled
    // back to the frame's points.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& area : buffer->stale)
        painter.fillRect(area, Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setClipRegion(buffer->stale);
    painter.scale(frame.pixelRatio, frame.pixelRatio);
    for (const OverlayLayer& each : frame.layers)
        paint(painter, each, frame);
    painter.end();
    buffer->stale = QRegion();

    wl_surface_attach(surface, buffer->buffer, 0, 0);
    // Everything changed since the last commit, including frames that found no free buffer.
    for (const QRect& area : damage) {
        if (wl_surface_get_version(surface) >= WL_SURFACE_DAMAGE_BUFFER_SINCE_VERSION)
            wl_surface_damage_buffer(surface, area.x(), area.y(), area.width(), area.height());
        else
            wl_surface_damage(surface, 0, 0, placement.width, placement.height);
    }
    damage = QRegion();
    wl_surface_commit(surface);
    buffer->busy = true;
    connection->flush();
}

void LayerShellSurface::setPlacement(const Placement& placement)
{
    Placement next = placement;
    next.width = std::max(1, next.width);
    next.height = std::max(1, next.height);
    next.scale = std::max(1, next.scale);
    const bool moved = next.outputName != d->placement.outputName;
    const bool changed = next != d->placement;
    d->placement = next;
    if (!changed || !d->surface)
        return;
    if (moved) {
        // A layer surface stays on the output it was made for.
        d->unmap();
        d->map();
        return;
    }
    d->place();
    wl_surface_commit(d->surface);
}

void LayerShellSurface::place(const SurfacePlace& place)
{
    setPlacement({.outputName = m_followsFocusedOutput() ? std::string() : place.screenName,
                  .x = place.geometry.x - place.screen.x,
                  .y = place.geometry.y - place.screen.y,
                  .width = place.geometry.width,
                  .height = place.geometry.height,
                  .outputWidth = place.screen.width,
                  .outputHeight = place.screen.height,
                  .scale = static_cast<int>(std::ceil(place.pixelRatio))});
}

Size LayerShellSurface::size() const
{
    return {static_cast<double>(d->placement.width), static_cast<double>(d->placement.height)};
}

double LayerShellSurface::pixelRatio() const
{
    return d->placement.scale;
}

void LayerShellSurface::show()
{
    d->shown = true;
    d->map();
}

void LayerShellSurface::hide()
{
    d->shown = false;
    d->unmap();
}

bool LayerShellSurface::isShown() const
{
    return d->shown;
}

void LayerShellSurface::present(const OverlayFrame& frame)
{
    // On the output the compositor chooses, an overlay with nothing on it lets go of its
    // surface: the next keys then go where the user is by then.
    if (d->placement.outputName.empty()) {
        if (frame.layers.empty()) {
            d->frame = frame;
            d->unmap();
            return;
        }
        if (d->shown && !d->surface)
            d->map();
    }
    d->frame = frame;
    for (const PixelRect& area : frame.damage) {
        const QRect changed(area.x, area.y, area.width, area.height);
        d->damage += changed;
        for (ShmBuffer& buffer : d->buffers)
            buffer.stale += changed;
    }
    d->draw();
}

std::vector<std::string> LayerShellSurface::outputNames() const
{
    std::vector<std::string> names;
    for (const Output& output : d->globals.outputs)
        names.push_back(output.outputName);
    return names;
}

} // namespace kestrel::wayland
