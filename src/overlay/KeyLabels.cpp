#include "overlay/KeyLabels.h"

#include "input/GlobalHotKey.h"

#include <algorithm>

namespace kestrel {

const std::vector<KeyLabels::PcModifierLabel>& KeyLabels::pcModifierLabels()
{
    static const std::vector<PcModifierLabel> labels{
        {Modifier::control, {"", "Ctrl"}},
        {Modifier::option, {"", "Alt"}},
        {Modifier::shift, {"\u21E7", "Shift"}}, // ⇧
        {Modifier::command, {"", "Super"}},
    };
    return labels;
}

const std::vector<KeyLabels::PcKeyLabel>& KeyLabels::pcKeyLabels()
{
    static const std::vector<PcKeyLabel> labels{
        {KeyCode::capsLock, {"\u21EA", "Caps Lock"}}, // ⇪
        {KeyCode::returnKey, {"\u21B5", "Enter"}},    // ↵
        {KeyCode::keypadEnter, {"", "Enter"}},        // the keypad's
        {KeyCode::tab, {"\u21B9", "Tab"}},            // ↹
        {KeyCode::space, {"", "Space"}},
        {KeyCode::deleteKey, {"\u27F5", "Backspace"}}, // ⟵
        {KeyCode::forwardDelete, {"", "Delete"}},
        {KeyCode::escape, {"", "Esc"}},
        {KeyCode::keypadClear, {"", "Num Lock"}},
        {KeyCode::home, {"", "Home"}},
        {KeyCode::end, {"", "End"}},
        {KeyCode::pageUp, {"", "PgUp"}},
        {KeyCode::pageDown, {"", "PgDn"}},
    };
    return labels;
}

namespace {

const KeyLabels::PcLegend* pcLegend(const Keycap& keycap)
{
    if (keycap.modifier) {
        const auto& labels = KeyLabels::pcModifierLabels();
        const auto found = std::ranges::find(labels, *keycap.modifier, &KeyLabels::PcModifierLabel::modifier);
        return found == labels.end() ? nullptr : &found->legend;
    }
    if (keycap.keyCode) {
        const auto& labels = KeyLabels::pcKeyLabels();
        const auto found = std::ranges::find(labels, *keycap.keyCode, &KeyLabels::PcKeyLabel::keyCode);
        return found == labels.end() ? nullptr : &found->legend;
    }
    return nullptr;
}

} // namespace

Keycap KeyLabels::styled(Keycap keycap, KeyLabelStyle style)
{
    if (style != KeyLabelStyle::pc)
        return keycap;
    if (const PcLegend* legend = pcLegend(keycap)) {
        keycap.symbol = std::string(legend->symbol);
        keycap.name = std::string(legend->name);
    }
    return keycap;
}

std::vector<Keycap> KeyLabels::styled(std::vector<Keycap> keycaps, KeyLabelStyle style)
{
    for (Keycap& keycap : keycaps)
        keycap = styled(std::move(keycap), style);
    return keycaps;
}

std::string KeyLabels::hotKeyText(KeyLabelStyle style)
{
    if (style != KeyLabelStyle::pc)
        return std::string(ToggleHotKey::text);
    // The PC names of its keys, joined: "Ctrl+Alt+Super+Enter".
    std::string text;
    for (const Modifier modifier : modifiersOf(ToggleHotKey::modifiers))
        text += std::string(styled(Keycap{.modifier = modifier}, style).name.value_or("")) + "+";
    return text + styled(Keycap{.keyCode = ToggleHotKey::keyCode}, style).name.value_or("");
}

std::string KeyLabels::hotKeyHint(KeyLabelStyle style)
{
    return "Turn on or off anytime with " + hotKeyText(style);
}

} // namespace kestrel
