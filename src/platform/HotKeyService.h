#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace kestrel {

// Modifier bits of a hot-key combination, as Kestrel's hot-key constants write them.
namespace HotKeyModifier {
inline constexpr std::uint32_t command = 0x100;
inline constexpr std::uint32_t shift = 0x200;
inline constexpr std::uint32_t option = 0x800;
inline constexpr std::uint32_t control = 0x1000;
} // namespace HotKeyModifier

// Names one registration: a four-character signature and a number.
struct HotKeyIdentifier {
    std::uint32_t signature = 0;
    std::uint32_t id = 0;
    bool operator==(const HotKeyIdentifier&) const = default;
};

// Registers system-wide keyboard shortcuts. Presses (never releases) reach the handler on the
// main thread, whichever application is in front; no input permission is needed.
class HotKeyService {
public:
    using Registration = std::uint64_t;
    virtual ~HotKeyService() = default;

    // `keyCode` is a virtual key code, `modifiers` a mask of HotKeyModifier bits. Returns
    // nothing when the combination cannot be registered (another program holds it).
    virtual std::optional<Registration> registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                                       HotKeyIdentifier identifier,
                                                       std::function<void()> onPressed) = 0;
    // The handler is never called again once this returns.
    virtual void unregisterHotKey(Registration registration) = 0;
};

} // namespace kestrel
