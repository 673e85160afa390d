#include "app/InputBackend.h"

#include <string_view>

namespace kestrel {

bool isWaylandSession(const std::function<const char*(const char*)>& environment)
{
    const auto value = [&](const char* name) {
        const char* set = environment(name);
        return std::string_view(set ? set : "");
    };
    return value("XDG_SESSION_TYPE") == "wayland" || !value("WAYLAND_DISPLAY").empty();
}

InputBackendChoice chooseInputBackend(const std::function<const char*(const char*)>& environment)
{
    const auto value = [&](const char* name) {
        const char* set = environment(name);
        return std::string_view(set ? set : "");
    };
    InputBackendChoice choice;
    const std::string_view chosen = value("KESTREL_INPUT");
    if (chosen == "x11")
        return choice;
    if (chosen == "evdev") {
        choice.backend = InputBackend::evdev;
        return choice;
    }
    if (!chosen.empty())
        choice.problem = {KESTREL_TEXT("InputBackend", "KESTREL_INPUT is \"%1\", which is neither \"x11\" nor "
                                                       "\"evdev\"; choosing by the session instead."),
                          {std::string(chosen)}};
    if (isWaylandSession(environment))
        choice.backend = InputBackend::evdev;
    return choice;
}

DisplayBackend chooseDisplayBackend(const std::function<const char*(const char*)>& environment,
                                    const std::function<bool()>& hasLayerShell)
{
    const char* wayland = environment("WAYLAND_DISPLAY");
    const char* platform = environment("QT_QPA_PLATFORM");
    if (!wayland || !*wayland)
        return DisplayBackend::x11;
    if (platform && *platform && !std::string_view(platform).starts_with("wayland"))
        return DisplayBackend::x11;
    return hasLayerShell() ? DisplayBackend::waylandLayerShell : DisplayBackend::x11;
}

std::string describe(InputBackend input, DisplayBackend display)
{
    std::string said =
        input == InputBackend::evdev ? "Keys: the kernel's input devices (evdev)\n" : "Keys: the X server (XInput 2)\n";
    said += display == DisplayBackend::waylandLayerShell ? "Overlay: a Wayland layer surface\n"
                                                         : "Overlay: an X11 window\n";
    return said;
}

} // namespace kestrel
