// Clicks at a point of a Wayland compositor's layout through a virtual pointer, as a person
// would with a mouse: "kestrel_virtual_pointer X Y WIDTH HEIGHT" moves to (X, Y) of a layout
// WIDTH × HEIGHT pixels large and clicks the left button. Exits with 1 when the compositor has
// no virtual pointers.

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <linux/input-event-codes.h>
#include <unistd.h>

namespace {

zwlr_virtual_pointer_manager_v1* manager = nullptr;

void announce(void*, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t)
{
    if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
}
void withdraw(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener listener{announce, withdraw};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s X Y WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    const auto number = [&](int index) { return static_cast<std::uint32_t>(std::strtoul(argv[index], nullptr, 10)); };
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "no Wayland compositor\n");
        return 1;
    }
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, nullptr);
    wl_display_roundtrip(display);
    if (!manager) {
        std::fprintf(stderr, "the compositor has no virtual pointers\n");
        return 1;
    }
    zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, nullptr);
    // A new pointer's first events can be lost while the seat takes it in.
    wl_display_roundtrip(display);
    ::usleep(100000);
    zwlr_virtual_pointer_v1_motion_absolute(pointer, 0, number(1), number(2), number(3), number(4));
    zwlr_virtual_pointer_v1_frame(pointer);
    wl_display_roundtrip(display);
    ::usleep(50000);
    zwlr_virtual_pointer_v1_button(pointer, 1, BTN_LEFT, WL_POINTER_BUTTON_STATE_PRESSED);
    zwlr_virtual_pointer_v1_frame(pointer);
    zwlr_virtual_pointer_v1_button(pointer, 2, BTN_LEFT, WL_POINTER_BUTTON_STATE_RELEASED);
    zwlr_virtual_pointer_v1_frame(pointer);
    wl_display_roundtrip(display);
    zwlr_virtual_pointer_v1_destroy(pointer);
    zwlr_virtual_pointer_manager_v1_destroy(manager);
    wl_registry_destroy(registry);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
