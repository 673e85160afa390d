#pragma once

#include <cstdint>
#include <optional>

namespace kestrel::keys {

// Kestrel names keys by their macOS virtual key codes everywhere (labels, ids, shapes).
// X reports keycodes, which are the Linux evdev codes plus 8; these functions translate.

// Keys with no macOS equivalent are numbered from here, by evdev code.
inline constexpr std::int64_t unmappedKeyBase = 0x10000;

// X and xkbcommon number a key by its evdev code plus this.
inline constexpr std::uint32_t xKeycodeOffset = 8;

inline constexpr std::uint32_t evdevCode(std::uint32_t xKeycode)
{
    return xKeycode >= xKeycodeOffset ? xKeycode - xKeycodeOffset : 0;
}

inline constexpr std::uint32_t xKeycode(std::uint32_t evdevCode)
{
    return evdevCode + xKeycodeOffset;
}

// The macOS virtual key code of an evdev key, or unmappedKeyBase + the code.
std::int64_t macKeyCode(std::uint32_t evdevCode);

// The evdev code of a macOS virtual key code, for the keys that have one.
std::optional<std::uint32_t> evdevCodeForMacKeyCode(std::int64_t macKeyCode);

} // namespace kestrel::keys
