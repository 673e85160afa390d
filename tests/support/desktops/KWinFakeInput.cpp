// A person's mouse and keyboard on KWin, through its fake input protocol: one device for as
// long as it runs, driven by lines on its standard input, each answered "done" once KWin has
// taken the input in ("what?" for a line it does not know):
//   move X Y           moves the pointer to (X, Y)
//   click X Y          moves the pointer to (X, Y) and clicks the left button
//   key CODE [HELD...] presses and lets go of a key (a Linux input code), with the HELD keys
//                      down meanwhile
// It says "ready" first. KWin offers the protocol only to programs it can identify (it reads
// their executable), so this runs as the session's user, with KWin's permission checks off.
// Exits with 1 when KWin offers no fake input.

#include "fake-input-client-protocol.h"

#include <wayland-client.h>

#include <linux/input-event-codes.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t keyboardVersion = 4; // keys came with version 4
constexpr std::uint32_t released = 0;
constexpr std::uint32_t pressed = 1;

org_kde_kwin_fake_input* input = nullptr;

void announce(void*, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t version)
{
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= keyboardVersion)
        input = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, keyboardVersion));
}
void withdraw(void*, wl_registry*, std::uint32_t) {}
const wl_registry_listener listener{announce, withdraw};

// Does one command ("move X Y", "click X Y", "key CODE [HELD...]"); false when it is none.
bool run(wl_display* display, const std::string& line)
{
    std::istringstream words(line);
    std::string command;
    words >> command;
    std::vector<std::uint32_t> numbers;
    for (std::uint32_t each = 0; words >> each;)
        numbers.push_back(each);
    const bool pointer = command == "move" || command == "click";
    if (!((pointer && numbers.size() == 2) || (command == "key" && !numbers.empty())))
        return false;
    if (pointer) {
        org_kde_kwin_fake_input_pointer_motion_absolute(input, wl_fixed_from_int(static_cast<int>(numbers[0])),
                                                        wl_fixed_from_int(static_cast<int>(numbers[1])));
    }
    if (command == "click") {
        wl_display_roundtrip(display);
        org_kde_kwin_fake_input_button(input, BTN_LEFT, pressed);
        wl_display_roundtrip(display);
        org_kde_kwin_fake_input_button(input, BTN_LEFT, released);
    } else if (command == "key") {
        const std::vector<std::uint32_t> held(numbers.begin() + 1, numbers.end());
        for (const std::uint32_t each : held)
            org_kde_kwin_fake_input_keyboard_key(input, each, pressed);
        org_kde_kwin_fake_input_keyboard_key(input, numbers[0], pressed);
        wl_display_roundtrip(display);
        org_kde_kwin_fake_input_keyboard_key(input, numbers[0], released);
        for (const std::uint32_t each : held)
            org_kde_kwin_fake_input_keyboard_key(input, each, released);
    }
    wl_display_roundtrip(display);
    return true;
}

} // namespace

int main()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "no Wayland compositor\n");
        return 1;
    }
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, nullptr);
    wl_display_roundtrip(display);
    if (!input) {
        std::fprintf(stderr, "the compositor offers no fake input\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(input, "Kestrel's tests", "to click and type as a person would");
    wl_display_roundtrip(display);
    std::puts("ready");
    std::fflush(stdout);
    for (std::string line; std::getline(std::cin, line);) {
        std::puts(run(display, line) ? "done" : "what?");
        std::fflush(stdout);
    }
    wl_proxy_destroy(reinterpret_cast<wl_proxy*>(input));
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return 0;
}
