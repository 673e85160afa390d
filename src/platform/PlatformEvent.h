#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kestrel {

// Event-type numbers shared by every event source. Bit n of a tap's mask selects type n.
namespace EventType {
inline constexpr std::uint32_t leftMouseDown = 1;
inline constexpr std::uint32_t leftMouseUp = 2;
inline constexpr std::uint32_t rightMouseDown = 3;
inline constexpr std::uint32_t rightMouseUp = 4;
inline constexpr std::uint32_t keyDown = 10;
inline constexpr std::uint32_t keyUp = 11;
inline constexpr std::uint32_t flagsChanged = 12;
inline constexpr std::uint32_t scrollWheel = 22;
inline constexpr std::uint32_t otherMouseDown = 25;
inline constexpr std::uint32_t otherMouseUp = 26;
// Sent to a tap's callback when the source has switched the tap off; never a real event.
inline constexpr std::uint32_t tapDisabledByTimeout = 0xFFFFFFFE;
inline constexpr std::uint32_t tapDisabledByUserInput = 0xFFFFFFFF;
} // namespace EventType

// One input event as an event source delivers it: a plain record, filled by the source
// (X11 on Linux) and read by the monitors. The field numbers in the comments are those the
// monitors' event-field vocabulary uses.
struct PlatformEvent {
    std::uint32_t type = 0;
    std::uint64_t flags = 0;        // modifier flag word, see EventFlag
    std::int64_t keyCode = 0;       // integer field 9: virtual key code
    std::int64_t autorepeat = 0;    // integer field 8: nonzero for an auto-repeated key-down
    std::int64_t buttonNumber = 0;  // integer field 3: 2 is the middle button
    std::int64_t momentumPhase = 0; // integer field 123: nonzero during inertial scrolling
    double scrollDeltaAxis1 = 0.0;  // double field 96: vertical scroll amount, up is positive
    double scrollDeltaAxis2 = 0.0;  // double field 97: horizontal scroll amount, left is positive
    // The key's text on the active layout with only Shift applied; absent when the source
    // could not produce any. Only key-downs carry it.
    std::optional<std::string> layoutText;
};

} // namespace kestrel
