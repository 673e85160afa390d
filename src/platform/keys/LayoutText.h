#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct xkb_state;

namespace kestrel::keys {

// The keycap text of a key from what xkbcommon reports for it: its UTF-8 text (with only
// Shift applied) and its keysym. Control characters (Return, Tab, Backspace, Escape and
// Delete type them) give no text. A dead key types nothing by itself, so it shows its
// spacing accent instead: dead_acute "´", dead_grave "`", dead_circumflex "^"…
std::optional<std::string> layoutText(std::string_view utf8, std::uint32_t keysym);

// The keycap text of the key with xkbcommon keycode `keycode` (evdev code + 8) in `state`,
// which the caller has set to the modifiers that choose characters.
std::optional<std::string> keyText(xkb_state* state, std::uint32_t keycode);

// The spacing form of a dead key's accent, if `keysym` is a dead key Kestrel knows.
std::optional<std::string_view> spacingAccent(std::uint32_t keysym);

} // namespace kestrel::keys
