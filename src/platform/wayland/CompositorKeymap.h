#pragma once

#include <functional>
#include <memory>
#include <string>

namespace kestrel::wayland {

// The keymap the Wayland compositor hands its clients' keyboards: the layouts the user set
// in the desktop, which may differ from the system's. A client gets it without ever having
// the focus, and again whenever it changes.
class CompositorKeymap {
public:
    using OnKeymap = std::function<void(const std::string& keymap)>;

    // Nothing when no compositor answers.
    static std::unique_ptr<CompositorKeymap> watch(OnKeymap onKeymap);
    ~CompositorKeymap();

    CompositorKeymap(const CompositorKeymap&) = delete;
    CompositorKeymap& operator=(const CompositorKeymap&) = delete;

private:
    struct Impl;
    explicit CompositorKeymap(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
};

} // namespace kestrel::wayland
