#include "platform/keys/LayoutText.h"

#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <array>
#include <utility>

namespace kestrel::keys {

std::optional<std::string_view> spacingAccent(std::uint32_t keysym)
{
    // X keysyms of the dead keys (0xfe50…), each with its accent as a spacing character.
    static constexpr std::array<std::pair<std::uint32_t, std::string_view>, 17> accents{{
        {0xfe50, "`"}, // dead_grave
        {0xfe51, "´"}, // dead_acute
        {0xfe52, "^"}, // dead_circumflex
        {0xfe53, "~"}, // dead_tilde
        {0xfe54, "¯"}, // dead_macron
        {0xfe55, "˘"}, // dead_breve
        {0xfe56, "˙"}, // dead_abovedot
        {0xfe57, "¨"}, // dead_diaeresis
        {0xfe58, "˚"}, // dead_abovering
        {0xfe59, "˝"}, // dead_doubleacute
        {0xfe5a, "ˇ"}, // dead_caron
        {0xfe5b, "¸"}, // dead_cedilla
        {0xfe5c, "˛"}, // dead_ogonek
        {0xfe5d, "ͺ"}, // dead_iota
        {0xfe60, "."}, // dead_belowdot
        {0xfe63, "/"}, // dead_stroke
        {0xfe6f, "¤"}, // dead_currency
    }};
    const auto found = std::ranges::find(accents, keysym, &std::pair<std::uint32_t, std::string_view>::first);
    if (found == accents.end())
        return std::nullopt;
    return found->second;
}

std::optional<std::string> layoutText(std::string_view utf8, std::uint32_t keysym)
{
    if (utf8.empty()) {
        if (const auto accent = spacingAccent(keysym))
            return std::string(*accent);
        return std::nullopt;
    }
    // C0 controls and DEL: keys that type them have keycaps of their own or none.
    const bool hasControl =
        std::ranges::any_of(utf8, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
    if (hasControl)
        return std::nullopt;
    return std::string(utf8);
}

std::optional<std::string> keyText(xkb_state* state, std::uint32_t keycode)
{
    std::array<char, 64> buffer{};
    const int length = xkb_state_key_get_utf8(state, keycode, buffer.data(), buffer.size());
    const std::string_view utf8(buffer.data(), length > 0 ? std::min<std::size_t>(length, buffer.size() - 1) : 0);
    return layoutText(utf8, xkb_state_key_get_one_sym(state, keycode));
}

} // namespace kestrel::keys
