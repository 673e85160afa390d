#pragma once

#include <QImage>
#include <QRegion>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <optional>
#include <string>

#include "platform/wayland/LayerPlacement.h"

struct wl_buffer;
struct wl_compositor;
struct wl_display;
struct wl_keyboard;
struct wl_output;
struct wl_pointer;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

namespace kestrel::wayland {

// An output as its wl_output says: its name ("DP-1") and integer scale.
struct Output {
    wl_output* output = nullptr;
    std::uint32_t name = 0; // the registry's
    std::string outputName;
    int scale = 1;
};

// What Kestrel's surfaces need of one connection to the compositor: bound as the registry
// announces them, and let go of together. The seat is bound only when asked for.
struct Globals {
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    zwlr_layer_shell_v1* layerShell = nullptr;
    wl_seat* seat = nullptr;
    std::list<Output> outputs;
    wl_registry* registry = nullptr;
    // Given the seat the moment it is bound, to listen to it; no seat is bound without it.
    std::function<void(wl_seat*)> onSeat;

    // Binds the globals on `display`, then learns what the outputs say of themselves; false
    // when the compositor did not answer in time.
    bool bind(wl_display* display);
    // Lets go of everything bound, and of the registry.
    void release();
    // The output of that name; null when there is none.
    const Output* output(const std::string& outputName) const;
};

// One shared-memory buffer of 32-bit premultiplied ARGB pixels, and what of it is out of date.
struct ShmBuffer {
    wl_buffer* buffer = nullptr;
    void* data = nullptr;
    std::size_t bytes = 0;
    int width = 0;
    int height = 0;
    bool busy = false; // the compositor holds it
    QRegion stale;     // device pixels drawn in other buffers since this one was drawn
    std::function<void()> onRelease;

    ShmBuffer() = default;
    ShmBuffer(const ShmBuffer&) = delete;
    ShmBuffer& operator=(const ShmBuffer&) = delete;
    ~ShmBuffer();

    // Makes the buffer `width` × `height` large, wholly stale; false when memory for it could
    // not be had.
    bool make(wl_shm* shm, int width, int height);
    // The pixels, to paint on.
    QImage image() const;
};

// A buffer of `buffers` that the compositor does not hold and is `width` × `height` large,
// made when there is none and fewer than `maximum` exist; null otherwise. Buffers of another
// size that are free go. `onRelease` is called when the compositor lets go of the buffer.
ShmBuffer* freeBuffer(std::list<ShmBuffer>& buffers, wl_shm* shm, int width, int height, std::size_t maximum,
                      std::function<void()> onRelease);

// Gives a layer surface its anchors, margins, size and buffer scale for `placement`; the
// next commit applies them.
void place(zwlr_layer_surface_v1* layer, wl_surface* surface, const SurfacePlacement& placement);
// Destroys a layer surface and its surface, if there are any, and forgets them.
void destroy(zwlr_layer_surface_v1*& layer, wl_surface*& surface);
// Lets go of a seat's pointer or keyboard as their version allows, and forgets it.
void release(wl_pointer*& pointer);
void release(wl_keyboard*& keyboard);

// The text of a keymap the compositor handed over as a file descriptor (which is closed);
// nothing when it is not an XKB keymap or is unreasonably large.
std::optional<std::string> readKeymap(std::uint32_t format, std::int32_t fd, std::uint32_t size);

} // namespace kestrel::wayland
