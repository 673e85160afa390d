#include "app/InputBackend.h"

#include <string_view>

namespace kestrel {

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
        choice.problem = "KESTREL_INPUT is \"" + std::string(chosen) + "\", which is neither \"x11\" nor \"evdev\"";
    if (value("XDG_SESSION_TYPE") == "wayland" || !value("WAYLAND_DISPLAY").empty())
        choice.backend = InputBackend::evdev;
    return choice;
}

} // namespace kestrel
