#pragma once

#include "common/UiText.h"

#include <functional>
#include <string>

namespace kestrel {

// Where Kestrel reads keys from. The X server sees only keys typed into X11 programs, so on a
// Wayland desktop Kestrel reads the kernel's input devices instead.
enum class InputBackend { x11, evdev };

struct InputBackendChoice {
    InputBackend backend = InputBackend::x11;
    UiMessage problem; // a KESTREL_INPUT value Kestrel does not know, in words
};

// A Wayland session: XDG_SESSION_TYPE "wayland", or WAYLAND_DISPLAY set.
bool isWaylandSession(const std::function<const char*(const char*)>& environment);

// KESTREL_INPUT ("x11" or "evdev") decides; without it, a Wayland session (XDG_SESSION_TYPE
// "wayland", or WAYLAND_DISPLAY set) reads evdev and anything else X11. `environment`
// returns a variable's value, or null when it is not set.
InputBackendChoice chooseInputBackend(const std::function<const char*(const char*)>& environment);

// Where Kestrel shows its windows: through X11 (an X session, or XWayland where the
// compositor has no layer surfaces, as on GNOME), or as a native Wayland client whose overlay
// is a layer surface.
enum class DisplayBackend { x11, waylandLayerShell };

// A Wayland session (WAYLAND_DISPLAY set) whose compositor offers layer surfaces
// (`hasLayerShell`, asked only then) runs natively, unless QT_QPA_PLATFORM asks for another
// platform than Wayland; everything else runs on X11.
DisplayBackend chooseDisplayBackend(const std::function<const char*(const char*)>& environment,
                                    const std::function<bool()>& hasLayerShell);

// The choices in words, for `kestrel --version`.
std::string describe(InputBackend input, DisplayBackend display);

} // namespace kestrel
