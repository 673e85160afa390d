#pragma once

#include "overlay/InputDisplayState.h"
#include "settings/PreferenceEnums.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

// Keycaps named as PC keyboards name them: Ctrl, Alt, Super, Enter, Backspace, Esc… with a
// symbol only where PC keycaps print one (⇧ on Shift, ↵ on Enter, ↹ on Tab). The Mac names
// are the keystroke formatter's and the display state's own; the PC ones replace them by
// modifier and key code as the overlay and the previews draw, so ids, shapes and animations
// stay.
namespace KeyLabels {

// A legend as a PC keycap prints it.
struct PcLegend {
    std::string_view symbol;
    std::string_view name;
};
struct PcModifierLabel {
    Modifier modifier;
    PcLegend legend;
};
struct PcKeyLabel {
    std::int64_t keyCode; // see KeyCode
    PcLegend legend;
};

// Every modifier a PC keyboard labels differently, and every key, by virtual key code, as
// English keyboards print them.
const std::vector<PcModifierLabel>& pcModifierLabels();
const std::vector<PcKeyLabel>& pcKeyLabels();

// The legends of one language's PC keyboards where they differ from the English ones: Strg
// and Entf in German, Maj and Suppr in French. A legend with no name is its symbol alone.
struct PcLegendTable {
    std::string_view language; // as Kestrel's translations name it: "de", "pt_BR"
    std::vector<PcModifierLabel> modifiers;
    std::vector<PcKeyLabel> keys;
};
const std::vector<PcLegendTable>& pcLegendTables();

// The language whose keyboards' legends the PC style prints: set once at start, with the
// language of Kestrel's texts; English until then, and for a language of no table.
void setLegendLanguage(std::string_view language);
std::string_view legendLanguage();

// The keycap as `style` names it.
Keycap styled(Keycap keycap, KeyLabelStyle style);
std::vector<Keycap> styled(std::vector<Keycap> keycaps, KeyLabelStyle style);

// The toggle hot key as `style` writes it: "⌃⌥⌘↩", or "Ctrl+Alt+Super+Enter".
std::string hotKeyText(KeyLabelStyle style);
// The line under the switch in General settings and on onboarding's last page.
UiMessage hotKeyHint(KeyLabelStyle style);

} // namespace KeyLabels

} // namespace kestrel
