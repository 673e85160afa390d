#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrel::GnomeInputSources {

// GNOME keeps the user's keyboard layouts in the settings schema
// org.gnome.desktop.input-sources: "sources", the list of (kind, id) pairs such as
// ('xkb', 'de+nodeadkeys'); "mru-sources", the same, most recently used first, so its first
// is the active one; and "xkb-options". These read them as `gsettings` prints them.
using Source = std::pair<std::string, std::string>;

// "[('xkb', 'us'), ('ibus', 'anthy')]" → its pairs; empty for anything else.
std::vector<Source> parseSources(std::string_view printed);
// "['grp:alt_shift_toggle', 'ctrl:nocaps']" → "grp:alt_shift_toggle,ctrl:nocaps".
std::string parseOptions(std::string_view printed);

// The keymap the XKB sources make, in xkbcommon's terms ("us,de" and ",nodeadkeys").
struct Keymap {
    std::string layout;
    std::string variant;
    std::string options;
    bool operator==(const Keymap&) const = default;
};
Keymap keymapOf(const std::vector<Source>& sources, const std::string& options);

// Which of the keymap's layouts the most recently used XKB source is; nothing when it is no
// XKB source of the list (an input method), or unknown.
std::optional<std::uint32_t> activeLayout(const std::vector<Source>& sources, const std::vector<Source>& recent);

} // namespace kestrel::GnomeInputSources
