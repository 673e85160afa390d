#include "platform/wayland/WaylandGlobals.h"

#include "platform/wayland/WaylandConnection.h"

#include "wlr-layer-shell-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstring>

#include <sys/mman.h>
#include <unistd.h>

namespace kestrel::wayland {

namespace {

// Bound at most at these versions: damage in buffer pixels needs wl_compositor 4, output
// names wl_output 4, on-demand keyboard focus layer shell 4, releasing a pointer wl_seat 5.
constexpr std::uint32_t compositorVersion = 4;
constexpr std::uint32_t outputVersion = 4;
constexpr std::uint32_t layerShellVersion = 4;
constexpr std::uint32_t seatVersion = 5;
// No keymap is near this; a larger one is not taken.
constexpr std::uint32_t largestKeymap = 16 * 1024 * 1024;

void outputGeometry(void*, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*, const char*, int32_t)
{}
void outputMode(void*, wl_output*, uint32_t, int32_t, int32_t, int32_t) {}
void outputDone(void*, wl_output*) {}
void outputScale(void* data, wl_output*, int32_t scale)
{
    static_cast<Output*>(data)->scale = std::max(1, scale);
}
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
    } else if (which == wl_seat_interface.name && globals->onSeat && !globals->seat) {
        globals->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, std::min(version, seatVersion)));
        globals->onSeat(globals->seat);
    } else if (which == wl_output_interface.name) {
        Output& output = globals->outputs.emplace_back();
        output.name = name;
        output.output = static_cast<wl_output*>(
            wl_registry_bind(registry, name, &wl_output_interface, std::min(version, outputVersion)));
        wl_output_add_listener(output.output, &outputListener, &output);
    }
}

// Lets go of an output as its version allows.
void releaseOutput(wl_output* output)
{
    if (wl_output_get_version(output) >= WL_OUTPUT_RELEASE_SINCE_VERSION)
        wl_output_release(output);
    else
        wl_output_destroy(output);
}

void withdraw(void* data, wl_registry*, std::uint32_t name)
{
    auto* globals = static_cast<Globals*>(data);
    globals->outputs.remove_if([name](Output& output) {
        if (output.name != name)
            return false;
        releaseOutput(output.output);
        return true;
    });
}

const wl_registry_listener registryListener{announce, withdraw};

void released(void* data, wl_buffer*)
{
    auto* buffer = static_cast<ShmBuffer*>(data);
    buffer->busy = false;
    // A copy: drawing may let go of this very buffer when its size is out of date.
    if (const auto onRelease = buffer->onRelease)
        onRelease();
}
const wl_buffer_listener bufferListener{released};

} // namespace

bool Globals::bind(wl_display* display)
{
    registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, this);
    return roundTrip(display) && roundTrip(display);
}

void Globals::release()
{
    for (Output& each : outputs)
        releaseOutput(each.output);
    outputs.clear();
    if (seat) {
        if (wl_seat_get_version(seat) >= WL_SEAT_RELEASE_SINCE_VERSION)
            wl_seat_release(seat);
        else
            wl_seat_destroy(seat);
    }
    if (layerShell) {
        // Its destroy request is version 3's; before, the proxy is only forgotten.
        if (zwlr_layer_shell_v1_get_version(layerShell) >= ZWLR_LAYER_SHELL_V1_DESTROY_SINCE_VERSION)
            zwlr_layer_shell_v1_destroy(layerShell);
        else
            wl_proxy_destroy(reinterpret_cast<wl_proxy*>(layerShell));
    }
    if (shm)
        wl_shm_destroy(shm);
    if (compositor)
        wl_compositor_destroy(compositor);
    if (registry)
        wl_registry_destroy(registry);
    compositor = nullptr;
    shm = nullptr;
    layerShell = nullptr;
    seat = nullptr;
    registry = nullptr;
}

const Output* Globals::output(const std::string& outputName) const
{
    for (const Output& each : outputs) {
        if (!outputName.empty() && each.outputName == outputName)
            return &each;
    }
    return nullptr;
}

ShmBuffer::~ShmBuffer()
{
    if (buffer)
        wl_buffer_destroy(buffer);
    if (data)
        ::munmap(data, bytes);
}

bool ShmBuffer::make(wl_shm* shm, int pixelWidth, int pixelHeight)
{
    const int stride = pixelWidth * 4;
    const std::size_t size = static_cast<std::size_t>(stride) * static_cast<std::size_t>(pixelHeight);
    const int fd = ::memfd_create("kestrel-surface", MFD_CLOEXEC);
    if (fd < 0 || ::ftruncate(fd, static_cast<off_t>(size)) < 0) {
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    void* mapped = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (mapped == MAP_FAILED) {
        ::close(fd);
        return false;
    }
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<std::int32_t>(size));
    buffer = wl_shm_pool_create_buffer(pool, 0, pixelWidth, pixelHeight, stride, WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    ::close(fd);
    data = mapped;
    bytes = size;
    width = pixelWidth;
    height = pixelHeight;
    stale = QRegion(0, 0, pixelWidth, pixelHeight);
    wl_buffer_add_listener(buffer, &bufferListener, this);
    return true;
}

QImage ShmBuffer::image() const
{
    return QImage(static_cast<uchar*>(data), width, height, width * 4, QImage::Format_ARGB32_Premultiplied);
}

ShmBuffer* freeBuffer(std::list<ShmBuffer>& buffers, wl_shm* shm, int width, int height, std::size_t maximum,
                      std::function<void()> onRelease)
{
    // Buffers of another size are of no more use once the compositor lets go of them.
    buffers.remove_if(
        [&](const ShmBuffer& buffer) { return !buffer.busy && (buffer.width != width || buffer.height != height); });
    ShmBuffer* found = nullptr;
    for (ShmBuffer& buffer : buffers) {
        if (!buffer.busy && !found)
            found = &buffer;
    }
    if (!found && buffers.size() < maximum) {
        found = &buffers.emplace_back();
        if (!found->make(shm, width, height)) {
            buffers.pop_back();
            found = nullptr;
        }
    }
    if (found)
        found->onRelease = std::move(onRelease);
    return found;
}

void place(zwlr_layer_surface_v1* layer, wl_surface* surface, const SurfacePlacement& placement)
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

void destroy(zwlr_layer_surface_v1*& layer, wl_surface*& surface)
{
    if (layer)
        zwlr_layer_surface_v1_destroy(layer);
    if (surface)
        wl_surface_destroy(surface);
    layer = nullptr;
    surface = nullptr;
}

void release(wl_pointer*& pointer)
{
    if (pointer && wl_pointer_get_version(pointer) >= WL_POINTER_RELEASE_SINCE_VERSION)
        wl_pointer_release(pointer);
    else if (pointer)
        wl_pointer_destroy(pointer);
    pointer = nullptr;
}

void release(wl_keyboard*& keyboard)
{
    if (keyboard && wl_keyboard_get_version(keyboard) >= WL_KEYBOARD_RELEASE_SINCE_VERSION)
        wl_keyboard_release(keyboard);
    else if (keyboard)
        wl_keyboard_destroy(keyboard);
    keyboard = nullptr;
}

std::optional<std::string> readKeymap(std::uint32_t format, std::int32_t fd, std::uint32_t size)
{
    std::optional<std::string> keymap;
    if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 && size > 1 && size <= largestKeymap) {
        void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (mapped != MAP_FAILED) {
            // The text ends with a NUL within `size`.
            const auto* text = static_cast<const char*>(mapped);
            keymap.emplace(text, ::strnlen(text, size));
            ::munmap(mapped, size);
        }
    }
    ::close(fd);
    return keymap;
}

} // namespace kestrel::wayland
