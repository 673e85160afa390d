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

const std::vector<KeyLabels::PcLegendTable>& KeyLabels::pcLegendTables()
{
    // Arrows for the paging keys as German and Italian keyboards print them.
    static const std::vector<PcLegendTable> tables{
        {"de",
         {{Modifier::control, {"", "Strg"}}, {Modifier::shift, {"\u21E7", ""}}},
         {{KeyCode::capsLock, {"\u21EA", ""}},
          {KeyCode::returnKey, {"\u21B5", ""}},
          {KeyCode::tab, {"\u21B9", ""}},
          {KeyCode::space, {"", "Leertaste"}},
          {KeyCode::deleteKey, {"\u27F5", ""}},
          {KeyCode::forwardDelete, {"", "Entf"}},
          {KeyCode::keypadClear, {"", "Num"}},
          {KeyCode::home, {"", "Pos1"}},
          {KeyCode::end, {"", "Ende"}},
          {KeyCode::pageUp, {"", "Bild\u2191"}},
          {KeyCode::pageDown, {"", "Bild\u2193"}}}},
        {"fr",
         {{Modifier::shift, {"\u21E7", "Maj"}}},
         {{KeyCode::capsLock, {"\u21EA", "Verr Maj"}},
          {KeyCode::returnKey, {"\u21B5", "Entrée"}},
          {KeyCode::keypadEnter, {"", "Entrée"}},
          {KeyCode::space, {"", "Espace"}},
          {KeyCode::deleteKey, {"\u27F5", ""}},
          {KeyCode::forwardDelete, {"", "Suppr"}},
          {KeyCode::escape, {"", "Échap"}},
          {KeyCode::keypadClear, {"", "Verr Num"}},
          {KeyCode::home, {"", "Début"}},
          {KeyCode::end, {"", "Fin"}},
          {KeyCode::pageUp, {"", "Pg préc"}},
          {KeyCode::pageDown, {"", "Pg suiv"}}}},
        {"es",
         {{Modifier::shift, {"\u21E7", "Mayús"}}},
         {{KeyCode::capsLock, {"\u21EA", "Bloq Mayús"}},
          {KeyCode::returnKey, {"\u21B5", "Intro"}},
          {KeyCode::keypadEnter, {"", "Intro"}},
          {KeyCode::space, {"", "Espacio"}},
          {KeyCode::deleteKey, {"\u27F5", "Retroceso"}},
          {KeyCode::forwardDelete, {"", "Supr"}},
          {KeyCode::keypadClear, {"", "Bloq Num"}},
          {KeyCode::home, {"", "Inicio"}},
          {KeyCode::end, {"", "Fin"}},
          {KeyCode::pageUp, {"", "RePág"}},
          {KeyCode::pageDown, {"", "AvPág"}}}},
        {"it",
         {{Modifier::shift, {"\u21E7", "Maiusc"}}},
         {{KeyCode::capsLock, {"\u21EA", "Bloc Maiusc"}},
          {KeyCode::returnKey, {"\u21B5", "Invio"}},
          {KeyCode::keypadEnter, {"", "Invio"}},
          {KeyCode::space, {"", "Spazio"}},
          {KeyCode::forwardDelete, {"", "Canc"}},
          {KeyCode::keypadClear, {"", "Bloc Num"}},
          {KeyCode::home, {"", "Inizio"}},
          {KeyCode::end, {"", "Fine"}},
          {KeyCode::pageUp, {"", "Pag\u2191"}},
          {KeyCode::pageDown, {"", "Pag\u2193"}}}},
        // Polish, Brazilian, Japanese and Chinese keyboards print the English legends.
    };
    return tables;
}

namespace {

std::string& legendLanguageSet()
{
    static std::string language;
    return language;
}

template <typename Label, typename Id>
const KeyLabels::PcLegend* find(const std::vector<Label>& labels, Id id, Id Label::*field)
{
    const auto found = std::ranges::find(labels, id, field);
    return found == labels.end() ? nullptr : &found->legend;
}

const KeyLabels::PcLegend* pcLegend(const Keycap& keycap)
{
    const auto& tables = KeyLabels::pcLegendTables();
    const auto table = std::ranges::find(tables, KeyLabels::legendLanguage(), &KeyLabels::PcLegendTable::language);
    const KeyLabels::PcLegend* own = nullptr;
    if (keycap.modifier) {
        if (table != tables.end())
            own = find(table->modifiers, *keycap.modifier, &KeyLabels::PcModifierLabel::modifier);
        return own ? own : find(KeyLabels::pcModifierLabels(), *keycap.modifier, &KeyLabels::PcModifierLabel::modifier);
    }
    if (keycap.keyCode) {
        if (table != tables.end())
            own = find(table->keys, *keycap.keyCode, &KeyLabels::PcKeyLabel::keyCode);
        return own ? own : find(KeyLabels::pcKeyLabels(), *keycap.keyCode, &KeyLabels::PcKeyLabel::keyCode);
    }
    return nullptr;
}

} // namespace

void KeyLabels::setLegendLanguage(std::string_view language)
{
    legendLanguageSet() = std::string(language);
}

std::string_view KeyLabels::legendLanguage()
{
    return legendLanguageSet();
}

Keycap KeyLabels::styled(Keycap keycap, KeyLabelStyle style)
{
    if (style != KeyLabelStyle::pc)
        return keycap;
    if (const PcLegend* legend = pcLegend(keycap)) {
        keycap.symbol = std::string(legend->symbol);
        keycap.name = legend->name.empty() ? std::nullopt : std::optional<std::string>(legend->name);
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
    // The PC legends of its keys, joined: "Ctrl+Alt+Super+Enter"; a key with no name by its
    // symbol, "Strg+Alt+Super+↵".
    const auto legend = [style](Keycap keycap) {
        const Keycap shown = styled(std::move(keycap), style);
        return shown.name.value_or(shown.symbol);
    };
    std::string text;
    for (const Modifier modifier : modifiersOf(ToggleHotKey::modifiers))
        text += legend(Keycap{.modifier = modifier}) + "+";
    return text + legend(Keycap{.keyCode = ToggleHotKey::keyCode});
}

UiMessage KeyLabels::hotKeyHint(KeyLabelStyle style)
{
    return {KESTREL_TEXT("KeyLabels", "Turn on or off anytime with %1"), {hotKeyText(style)}};
}

} // namespace kestrel
