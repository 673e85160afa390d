// Gives a Wayland compositor a keyboard with the layouts named on the command line, as a
// desktop whose user chose them would have: "kestrel_virtual_keyboard us,ru" says "ready"
// once the compositor uses its keymap, and keeps the keyboard until standard input closes.

#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

wl_seat* seat = nullptr;
zwp_virtual_keyboard_manager_v1* manager = nullptr;

void announce(void*, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t)
{
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !seat)
        seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
        manager = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
}
void withdraw(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener listener{announce, withdraw};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s LAYOUTS\n", argv[0]);
        return 2;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return 1;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, nullptr);
    wl_display_roundtrip(display);
    if (!seat || !manager) {
        std::fprintf(stderr, "the compositor has no virtual keyboards\n");
        return 1;
    }
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names{.rules = "evdev", .model = "pc105", .layout = argv[1]};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!keymap)
        return 1;
    char* text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const std::size_t size = std::strlen(text) + 1;
    const int fd = ::memfd_create("keymap", MFD_CLOEXEC);
    if (fd < 0 || ::write(fd, text, size) != static_cast<ssize_t>(size))
        return 1;
    std::free(text);

    zwp_virtual_keyboard_v1* keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(manager, seat);
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, static_cast<std::uint32_t>(size));
    // The compositor takes a keyboard as the seat's when it types: one Shift, pressed and let go.
    zwp_virtual_keyboard_v1_key(keyboard, 1, KEY_LEFTSHIFT, WL_KEYBOARD_KEY_STATE_PRESSED);
    zwp_virtual_keyboard_v1_key(keyboard, 2, KEY_LEFTSHIFT, WL_KEYBOARD_KEY_STATE_RELEASED);
    wl_display_roundtrip(display);
    std::printf("ready\n");
    std::fflush(stdout);
    char ignored[64];
    while (::read(STDIN_FILENO, ignored, sizeof(ignored)) > 0) {}
    zwp_virtual_keyboard_v1_destroy(keyboard);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    ::close(fd);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    return 0;
}
