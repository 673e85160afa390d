#pragma once

#include "app/composition/Launch.h"

#include <memory>

namespace kestrel {

// Puts Kestrel together for the session its launch found: the platform's services (keys from
// the X server or the kernel's devices, the overlay drawn by the X server, as a Wayland layer
// surface or by Qt, the hot key, the tray, the stores) are chosen and built here and handed
// to the application, which knows none of them. Made once the Qt application exists.
class Composition {
public:
    explicit Composition(Launch launch);
    ~Composition();

    Composition(const Composition&) = delete;
    Composition& operator=(const Composition&) = delete;

    // Starts Kestrel and does what this launch asked.
    void start();

private:
    struct Parts;
    std::unique_ptr<Parts> d;
};

} // namespace kestrel
