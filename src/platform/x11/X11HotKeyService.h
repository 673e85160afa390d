#pragma once

#include "platform/HotKeyService.h"

#include <memory>
#include <string>

namespace kestrel::x11 {

// System-wide shortcuts on X11: passive key grabs on the root window, on a connection of
// their own (sharing the input listener's would turn the grabbed key's release into one of
// its events). A combination is grabbed once for every state of the locks (Caps, Num and
// Scroll Lock), since a grab matches the modifier mask exactly; a press counts whatever else
// the state holds (mouse buttons, layout group). Holding the shortcut fires once, not once
// per repeat. A combination another program already grabbed cannot be registered. When the
// keymap changes, every combination is grabbed again (once per burst of notices); one that
// cannot be is reported once and tried again at the next change.
class X11HotKeyService final : public HotKeyService {
public:
    explicit X11HotKeyService(std::string displayName = {});
    ~X11HotKeyService() override;

    X11HotKeyService(const X11HotKeyService&) = delete;
    X11HotKeyService& operator=(const X11HotKeyService&) = delete;

    std::optional<Registration> registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                               HotKeyIdentifier identifier, std::function<void()> onPressed) override;
    void unregisterHotKey(Registration registration) override;

    // Where trouble is reported, in words for the user; standard error unless set.
    void setWarningHandler(std::function<void(const std::string&)> handler);
    // How often the combinations were grabbed again after keymap changes.
    int regrabCount() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace kestrel::x11
