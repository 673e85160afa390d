#pragma once

#include "overlay/InputDisplayState.h"
#include "settings/PreferenceEnums.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

// Keycaps named as PC keyboards name them: Ctrl, Alt, Super, Enter, Backspace, Esc… with a
// symbol only where PC keycaps print one (⇧ on Shift, ↵ on Enter, ↹ on Tab). The Mac names
// are the keystroke formatter's and the display state's own; the PC ones replace them by
// keycap id as the overlay and the previews draw, so ids, shapes and animations stay.
namespace KeyLabels {

struct PcLabel {
    std::string_view id;
    std::string_view symbol;
    std::string_view name;
};

// Every key a PC keyboard labels differently, by keycap id.
const std::vector<PcLabel>& pcLabels();

// The keycap as `style` names it.
Keycap styled(Keycap keycap, KeyLabelStyle style);
std::vector<Keycap> styled(std::vector<Keycap> keycaps, KeyLabelStyle style);

// The toggle hot key as `style` writes it: "⌃⌥⌘↩", or "Ctrl+Alt+Super+Enter".
std::string_view hotKeyText(KeyLabelStyle style);
// The line under the switch in General settings and on onboarding's last page.
std::string hotKeyHint(KeyLabelStyle style);

} // namespace KeyLabels

} // namespace kestrel
