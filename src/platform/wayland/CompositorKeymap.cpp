#include "platform/wayland/CompositorKeymap.h"

#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandGlobals.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstring>

namespace kestrel::wayland {

namespace {

// wl_seat 5 lets a keyboard be released; 1 is enough to get one.
constexpr std::uint32_t seatVersion = 5;

} // namespace

struct CompositorKeymap::Impl {
    explicit Impl(std::unique_ptr<WaylandConnection> opened, OnKeymap callback)
        : connection(std::move(opened)), onKeymap(std::move(callback))
    {}
    ~Impl()
    {
        release(keyboard);
        if (seat)
            wl_seat_destroy(seat);
        if (registry)
            wl_registry_destroy(registry);
    }

    static void announce(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                         std::uint32_t version)
    {
        auto* self = static_cast<Impl*>(data);
        if (self->seat || std::strcmp(interface, wl_seat_interface.name) != 0)
            return;
        self->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, std::min(version, seatVersion)));
        wl_seat_add_listener(self->seat, &seatListener, self);
    }
    static void withdraw(void*, wl_registry*, std::uint32_t) {}

    static void capabilities(void* data, wl_seat* seat, std::uint32_t capabilities)
    {
        auto* self = static_cast<Impl*>(data);
        const bool hasKeyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
        if (hasKeyboard && !self->keyboard) {
            self->keyboard = wl_seat_get_keyboard(seat);
            wl_keyboard_add_listener(self->keyboard, &keyboardListener, self);
        } else if (!hasKeyboard) {
            release(self->keyboard);
        }
    }
    static void seatName(void*, wl_seat*, const char*) {}

    static void keymap(void* data, wl_keyboard*, std::uint32_t format, std::int32_t fd, std::uint32_t size)
    {
        if (const std::optional<std::string> keymap = readKeymap(format, fd, size))
            static_cast<Impl*>(data)->onKeymap(*keymap);
    }
    static void enter(void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {}
    static void leave(void*, wl_keyboard*, std::uint32_t, wl_surface*) {}
    static void key(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {}
    static void modifiers(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
                          std::uint32_t)
    {}
    static void repeatInfo(void*, wl_keyboard*, std::int32_t, std::int32_t) {}

    static constexpr wl_registry_listener registryListener{announce, withdraw};
    static constexpr wl_seat_listener seatListener{capabilities, seatName};
    static constexpr wl_keyboard_listener keyboardListener{keymap, enter, leave, key, modifiers, repeatInfo};

    std::unique_ptr<WaylandConnection> connection;
    OnKeymap onKeymap;
    wl_registry* registry = nullptr;
    wl_seat* seat = nullptr;
    wl_keyboard* keyboard = nullptr;
};

std::unique_ptr<CompositorKeymap> CompositorKeymap::watch(OnKeymap onKeymap)
{
    auto connection = WaylandConnection::open();
    if (!connection)
        return nullptr;
    auto impl = std::make_unique<Impl>(std::move(connection), std::move(onKeymap));
    impl->registry = wl_display_get_registry(impl->connection->display());
    wl_registry_add_listener(impl->registry, &Impl::registryListener, impl.get());
    impl->connection->attachToMainLoop();
    impl->connection->flush();
    return std::unique_ptr<CompositorKeymap>(new CompositorKeymap(std::move(impl)));
}

CompositorKeymap::CompositorKeymap(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}

CompositorKeymap::~CompositorKeymap() = default;

} // namespace kestrel::wayland
