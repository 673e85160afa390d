#pragma once

#include "input/EventRecords.h"
#include "platform/PlatformEvent.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace kestrel {

// A key whose keycap does not depend on the keyboard layout.
struct SpecialKey {
    std::string_view symbol;                     // may be empty
    std::optional<std::string_view> name;        // caption
    std::optional<std::string_view> systemImage; // only the brightness keys have one
};

// Turns one key-down into the KeyInfo that says how the key is shown. Special keys (Return,
// arrows, function keys…) always look the same; every other key shows the text its layout
// produces. Called by the keystroke monitor for each key-down; it keeps no state.
namespace KeystrokeFormatter {

// The 36 special keys by virtual key code; built once, never changed.
const std::unordered_map<std::int64_t, SpecialKey>& specialKeys();

// True when any scalar of the text is in U+F700…U+F8FF, the private-use range in which
// keys without printable output (arrows, function keys, Help…) report themselves.
bool isFunctionKeyText(std::string_view text);

// How the key is shown, or nothing when it is not shown at all. `layoutText` is the key's
// text with only Shift applied; the caps-lock bit of `flags` upper-cases it. Control,
// Option and Command never change the result.
std::optional<KeyInfo> keyInfo(std::int64_t keyCode, const std::optional<std::string>& layoutText, std::uint64_t flags);
std::optional<KeyInfo> keyInfo(const PlatformEvent& event);

} // namespace KeystrokeFormatter

} // namespace kestrel
