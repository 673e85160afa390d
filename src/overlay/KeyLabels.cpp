#include "overlay/KeyLabels.h"

#include "input/GlobalHotKey.h"

#include <algorithm>

namespace kestrel {

const std::vector<KeyLabels::PcLabel>& KeyLabels::pcLabels()
{
    static const std::vector<PcLabel> labels{
        {"mod-control", "", "Ctrl"},      {"mod-option", "", "Alt"},
        {"mod-shift", "\u21E7", "Shift"},                                       // ⇧
        {"mod-command", "", "Super"},     {"caps-lock", "\u21EA", "Caps Lock"}, // ⇪
        {"key-36", "\u21B5", "Enter"},                                          // ↵
        {"key-76", "", "Enter"},                                                // the keypad's
        {"key-48", "\u21B9", "Tab"},                                            // ↹
        {"key-49", "", "Space"},          {"key-51", "\u27F5", "Backspace"},    // ⟵
        {"key-117", "", "Delete"},        {"key-53", "", "Esc"},
        {"key-71", "", "Num Lock"},       {"key-115", "", "Home"},
        {"key-119", "", "End"},           {"key-116", "", "PgUp"},
        {"key-121", "", "PgDn"},
    };
    return labels;
}

Keycap KeyLabels::styled(Keycap keycap, KeyLabelStyle style)
{
    if (style != KeyLabelStyle::pc)
        return keycap;
    const auto& labels = pcLabels();
    const auto found = std::ranges::find(labels, keycap.id, &PcLabel::id);
    if (found != labels.end()) {
        keycap.symbol = std::string(found->symbol);
        keycap.name = std::string(found->name);
    }
    return keycap;
}

std::vector<Keycap> KeyLabels::styled(std::vector<Keycap> keycaps, KeyLabelStyle style)
{
    for (Keycap& keycap : keycaps)
        keycap = styled(std::move(keycap), style);
    return keycaps;
}

std::string_view KeyLabels::hotKeyText(KeyLabelStyle style)
{
    return style == KeyLabelStyle::pc ? "Ctrl+Alt+Super+Enter" : ToggleHotKey::text;
}

std::string KeyLabels::hotKeyHint(KeyLabelStyle style)
{
    return "Turn on or off anytime with " + std::string(hotKeyText(style));
}

} // namespace kestrel
