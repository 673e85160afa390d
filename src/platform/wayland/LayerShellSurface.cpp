#include "platform/wayland/LayerShellSurface.h"

#include "platform/wayland/LayerPlacement.h"
#include "platform/wayland/WaylandConnection.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <wayland-client.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <list>

#include <sys/mman.h>
#include <unistd.h>

namespace kestrel::wayland {

namespace {

// Bound at most at these versions: damage in buffer pixels needs wl_compositor 4, output
// names wl_output 4.
constexpr std::uint32_t compositorVersion = 4;
constexpr std::uint32_t outputVersion = 4;
constexpr std::uint32_t layerShellVersion = 4;
// Two buffers take turns; a third is made only while the compositor holds both.
constexpr std::size_t maximumBuffers = 3;

struct Output {
    wl_output* output = nullptr;
    std::uint32_t name = 0; // the registry's
    std::string outputName;
};

// The globals of one connection to the compositor.
struct Globals {
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    zwlr_layer_shell_v1* layerShell = nullptr;
    std::list<Output> outputs;
};

void outputGeometry(void*, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*, const char*, int32_t)
{}
void outputMode(void*, wl_output*, uint32_t, int32_t, int32_t, int32_t) {}
void outputDone(void*, wl_output*) {}
void outputScale(void*, wl_output*, int32_t) {}
void outputName(void* data, wl_output*, const char* name)
{
    static_cast<Output*>(data)->outputName = name;
}
void outputDescription(void*, wl_output*, const char*) {}
const wl_output_listener outputListener{outputGeometry, outputMode, outputDone,
                                        outputScale,    outputName, outputDescription};

void announce(void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t version)
{
    auto* globals = static_cast<Globals*>(data);
    const std::string_view which(interface);
    if (which == wl_compositor_interface.name) {
        globals->compositor = static_cast<wl_compositor*>(
            wl_registry_bind(registry, name, &wl_compositor_interface, std::min(version, compositorVersion)));
    } else if (which == wl_shm_interface.name) {
        globals->shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
    } else if (which == zwlr_layer_shell_v1_interface.name) {
        globals->layerShell = static_cast<zwlr_layer_shell_v1*>(
            wl_registry_bind(registry, name, &zwlr_layer_shell_v1_interface, std::min(version, layerShellVersion)));
    } else if (which == wl_output_interface.name) {
        Output& output = globals->outputs.emplace_back();
        output.name = name;
        output.output = static_cast<wl_output*>(
            wl_registry_bind(registry, name, &wl_output_interface, std::min(version, outputVersion)));
        wl_output_add_listener(output.output, &outputListener, &output);
    }
}

// Lets go of an output as its version allows.
void release(wl_output* output)
{
    if (wl_output_get_version(output) >= WL_OUTPUT_RELEASE_SINCE_VERSION)
        wl_output_release(output);
    else
        wl_output_destroy(output);
}

// Lets go of everything bound, and of the registry.
void release(Globals& globals, wl_registry* registry)
{
    for (Output& output : globals.outputs)
        release(output.output);
    globals.outputs.clear();
    if (globals.layerShell) {
        // Its destroy request is version 3's; before, the proxy is only forgotten.
        if (zwlr_layer_shell_v1_get_version(globals.layerShell) >= ZWLR_LAYER_SHELL_V1_DESTROY_SINCE_VERSION)
            zwlr_layer_shell_v1_destroy(globals.layerShell);
        else
            wl_proxy_destroy(reinterpret_cast<wl_proxy*>(globals.layerShell));
    }
    if (globals.shm)
        wl_shm_destroy(globals.shm);
    if (globals.compositor)
        wl_compositor_destroy(globals.compositor);
    globals = {};
    if (registry)
        wl_registry_destroy(registry);
}

void withdraw(void* data, wl_registry*, std::uint32_t name)
{
    auto* globals = static_cast<Globals*>(data);
    globals->outputs.remove_if([name](Output& output) {
        if (output.name != name)
            return false;
        release(output.output);
        return true;
    });
}

const wl_registry_listener registryListener{announce, withdraw};

// One shared-memory buffer and what of it is out of date.
struct Buffer {
    wl_buffer* buffer = nullptr;
    void* data = nullptr;
    std::size_t bytes = 0;
    int width = 0;
    int height = 0;
    bool busy = false; // the compositor holds it
    QRegion stale;     // device pixels drawn in other buffers since this one was drawn
    std::function<void()> onRelease;

    ~Buffer()
    {
        if (buffer)
            wl_buffer_destroy(buffer);
        if (data)
            ::munmap(data, bytes);
    }
};

void released(void* data, wl_buffer*)
{
    auto* buffer = static_cast<Buffer*>(data);
    buffer->busy = false;
    // A copy: drawing may let go of this very buffer when its size is out of date.
    if (const auto onRelease = buffer->onRelease)
        onRelease();
}
const wl_buffer_listener bufferListener{released};

} // namespace

struct LayerShellSurface::Impl {
    Impl(std::unique_ptr<WaylandConnection> opened, LayerPainter painter)
        : connection(std::move(opened)), display(connection->display()), paint(std::move(painter))
    {}
    ~Impl()
    {
        unmap();
        buffers.clear();
        release(globals, registry);
    }

    void map();
    void unmap();
    void place();
    void draw();
    Buffer* freeBuffer();
    static void configured(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial, std::uint32_t width,
                           std::uint32_t height);
    static void closed(void* data, zwlr_layer_surface_v1* layer);
    static const zwlr_layer_surface_v1_listener layerListener;

    std::unique_ptr<WaylandConnection> connection;
    wl_display* display;
    LayerPainter paint;
    wl_registry* registry = nullptr;
    Globals globals;

    Placement placement;

    bool shown = false;
    wl_surface* surface = nullptr;
    zwlr_layer_surface_v1* layer = nullptr;
    bool isConfigured = false;
    wl_output* mappedOn = nullptr;
    std::list<Buffer> buffers;
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
            *why = "no Wayland compositor answers";
        return false;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, &globals);
    wl_display_roundtrip(display);
    const bool has = globals.layerShell != nullptr;
    if (!has && why)
        *why = "the Wayland compositor offers no layer surfaces (zwlr_layer_shell_v1)";
    release(globals, registry);
    wl_display_disconnect(display);
    return has;
}

std::unique_ptr<LayerShellSurface> LayerShellSurface::create(LayerPainter paint, std::string* why)
{
    auto connection = WaylandConnection::open();
    if (!connection) {
        if (why)
            *why = "no Wayland compositor answers";
        return nullptr;
    }
    auto impl = std::make_unique<Impl>(std::move(connection), std::move(paint));
    impl->registry = wl_display_get_registry(impl->display);
    wl_registry_add_listener(impl->registry, &registryListener, &impl->globals);
    // The globals, then what the outputs say about themselves.
    wl_display_roundtrip(impl->display);
    wl_display_roundtrip(impl->display);
    if (!impl->globals.compositor || !impl->globals.shm || !impl->globals.layerShell) {
        if (why)
            *why = "the Wayland compositor offers no layer surfaces (zwlr_layer_shell_v1)";
        return nullptr;
    }
    impl->connection->attachToMainLoop();
    return std::unique_ptr<LayerShellSurface>(new LayerShellSurface(std::move(impl)));
}

LayerShellSurface::LayerShellSurface(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}

LayerShellSurface::~LayerShellSurface() = default;

void LayerShellSurface::Impl::map()
{
    if (connection->isBroken() || surface)
        return;
    mappedOn = nullptr;
    for (const Output& output : globals.outputs) {
        if (!placement.outputName.empty() && output.outputName == placement.outputName)
            mappedOn = output.output;
    }
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
    // The first commit carries no buffer; the compositor answers with a configure.
    wl_surface_commit(surface);
    wl_display_roundtrip(display);
}

void LayerShellSurface::Impl::place()
{
    const LayerPlacement edges = layerPlacement(placement.x, placement.y, placement.width, placement.height,
                                                placement.outputWidth, placement.outputHeight);
    std::uint32_t anchor = 0;
    anchor |= edges.top ? ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP : 0;
    anchor |= edges.bottom ? ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM : 0;
    anchor |= edges.left ? ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT : 0;
    anchor |= edges.right ? ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT : 0;
    zwlr_layer_surface_v1_set_anchor(layer, anchor);
    zwlr_layer_surface_v1_set_margin(layer, edges.marginTop, edges.marginRight, edges.marginBottom, edges.marginLeft);
    zwlr_layer_surface_v1_set_size(layer, static_cast<std::uint32_t>(placement.width),
                                   static_cast<std::uint32_t>(placement.height));
    wl_surface_set_buffer_scale(surface, placement.scale);
}

void LayerShellSurface::Impl::unmap()
{
    if (layer)
        zwlr_layer_surface_v1_destroy(layer);
    if (surface)
        wl_surface_destroy(surface);
    layer = nullptr;
    surface = nullptr;
    isConfigured = false;
    // Whatever a buffer held is no longer on screen: the next frame draws everything.
    for (Buffer& buffer : buffers)
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

Buffer* LayerShellSurface::Impl::freeBuffer()
{
    const int pixelWidth = placement.width * placement.scale;
    const int pixelHeight = placement.height * placement.scale;
    // Buffers of another size are of no more use once the compositor lets go of them.
    buffers.remove_if([&](const Buffer& buffer) {
        return !buffer.busy && (buffer.width != pixelWidth || buffer.height != pixelHeight);
    });
    for (Buffer& buffer : buffers) {
        if (!buffer.busy)
            return &buffer;
    }
    if (buffers.size() >= maximumBuffers)
        return nullptr;
    const int stride = pixelWidth * 4;
    const std::size_t bytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(pixelHeight);
    const int fd = ::memfd_create("kestrel-overlay", MFD_CLOEXEC);
    if (fd < 0 || ::ftruncate(fd, static_cast<off_t>(bytes)) < 0) {
        if (fd >= 0)
            ::close(fd);
        return nullptr;
    }
    void* data = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (data == MAP_FAILED) {
        ::close(fd);
        return nullptr;
    }
    wl_shm_pool* pool = wl_shm_create_pool(globals.shm, fd, static_cast<std::int32_t>(bytes));
    Buffer& buffer = buffers.emplace_back();
    buffer.buffer = wl_shm_pool_create_buffer(pool, 0, pixelWidth, pixelHeight, stride, WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    ::close(fd);
    buffer.data = data;
    buffer.bytes = bytes;
    buffer.width = pixelWidth;
    buffer.height = pixelHeight;
    buffer.stale = QRegion(0, 0, pixelWidth, pixelHeight);
    wl_buffer_add_listener(buffer.buffer, &bufferListener, &buffer);
    buffer.onRelease = [this] {
        if (frameIsWaiting)
            draw();
    };
    return &buffer;
}

void LayerShellSurface::Impl::draw()
{
    frameIsWaiting = true;
    if (connection->isBroken() || !surface || !isConfigured)
        return;
    Buffer* buffer = freeBuffer();
    if (!buffer)
        return; // drawn when the compositor lets go of one
    frameIsWaiting = false;

    QImage image(static_cast<uchar*>(buffer->data), buffer->width, buffer->height, buffer->width * 4,
                 QImage::Format_ARGB32_Premultiplied);
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
        for (Buffer& buffer : d->buffers)
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
