#include "overlay/InputDisplayState.h"

#include "common/Overloaded.h"
#include "common/UnicodeText.h"

#include <algorithm>
#include <array>

namespace kestrel {

namespace {

constexpr std::array<std::string_view, 3> buttonLabels{"left click", "middle click", "right click"};
constexpr std::array<std::string_view, 4> scrollArrows{"↑", "↓", "←", "→"};

std::string buttonLabel(MouseButton button)
{
    return std::string(buttonLabels[static_cast<std::size_t>(button)]);
}

Keycap modifierKeycap(Modifier modifier)
{
    const KeycapShape shape = modifier == Modifier::shift     ? KeycapShape::shift
                              : modifier == Modifier::command ? KeycapShape::cmd
                                                              : KeycapShape::key;
    return Keycap{
        .id = KeycapId::forModifier(modifier),
        .symbol = std::string(symbol(modifier)),
        .name = std::string(caption(modifier)),
        .modifier = modifier,
        .shape = shape,
    };
}

Keycap buttonKeycap(MouseButton button)
{
    return Keycap{
        .id = KeycapId::forButton(button),
        .name = buttonLabel(button),
        .mouse = MouseGlyph::forButton(button),
    };
}

Keycap scrollKeycap(ScrollDirection direction)
{
    return Keycap{
        .id = std::string(KeycapId::scroll),
        .symbol = std::string(scrollArrows[static_cast<std::size_t>(direction)]),
        .name = "scroll",
        .mouse = MouseGlyph::forScroll(direction),
    };
}

} // namespace

std::string KeycapId::forKey(std::int64_t keyCode)
{
    return "key-" + std::to_string(keyCode);
}

std::string KeycapId::forModifier(Modifier modifier)
{
    return "mod-" + std::string(caption(modifier));
}

std::string KeycapId::forButton(MouseButton button)
{
    return "mouse-" + buttonLabel(button);
}

KeycapShape keycapShape(std::int64_t keyCode)
{
    switch (keyCode) {
    case KeyCode::returnKey:
        return KeycapShape::shift;
    case KeyCode::tab:
    case KeyCode::deleteKey:
    case KeyCode::escape:
        return KeycapShape::cmd;
    case KeyCode::space:
        return KeycapShape::space;
    default:
        return KeycapShape::key;
    }
}

std::vector<Keycap> InputDisplayState::modifierKeycaps(ModifierSet modifiers)
{
    std::vector<Keycap> caps;
    caps.reserve(static_cast<std::size_t>(modifiers.size()));
    for (Modifier modifier : modifiers)
        caps.push_back(modifierKeycap(modifier));
    return caps;
}

void InputDisplayState::apply(const KeyEvent& event, bool showShiftWithCapitals, bool shortcutsOnly)
{
    std::visit(Overloaded{
                   [&](const KeyDown& down) { applyKeyDown(down, showShiftWithCapitals, shortcutsOnly); },
                   [&](const KeyUp& up) {
                       // A release of an earlier key of a rolled pair leaves the newer one pressed.
                       if (pressedKeyCode != up.keyCode)
                           return;
                       pressedKeyCode.reset();
                       release(KeycapId::forKey(up.keyCode));
                   },
                   [&](const ModifiersChanged& changed) { applyModifiersChanged(changed.modifiers); },
                   [&](const CapsLockToggled& toggled) {
                       keycaps = {Keycap{
                           .id = std::string(KeycapId::capsLock),
                           .symbol = "⇪",
                           .name = "caps lock",
                           .keyCode = KeyCode::capsLock,
                           .indicatorIsOn = toggled.isOn,
                           .shape = KeycapShape::shift,
                       }};
                   },
               },
               event);
}

void InputDisplayState::applyKeyDown(const KeyDown& down, bool showShiftWithCapitals, bool shortcutsOnly)
{
    if (down.isRepeat)
        return;
    const KeyInfo& info = down.info;
    // Shift alone never makes a shortcut.
    const bool isShortcut = down.modifiers.contains(Modifier::control) || down.modifiers.contains(Modifier::option) ||
                            down.modifiers.contains(Modifier::command);
    if (shortcutsOnly && !isShortcut && !info.isSpecial)
        return;

    heldModifiers = down.modifiers;
    pressedKeyCode = info.keyCode;

    // Shift+A shows just "A" (the capital says it), unless asked otherwise; with a shortcut
    // or a special key the Shift cap is part of the combination.
    ModifierSet shown = down.modifiers;
    if (!showShiftWithCapitals && !isShortcut && !info.isSpecial)
        shown.erase(Modifier::shift);

    keycaps = modifierKeycaps(shown);
    keycaps.push_back(Keycap{
        .id = KeycapId::forKey(info.keyCode),
        // ⌘C shows a capital C although the layout gives a small c.
        .symbol = isShortcut ? unicode::toUpper(info.symbol) : info.symbol,
        .systemImage = info.systemImage,
        .name = info.name,
        .keyCode = info.keyCode,
        .shape = keycapShape(info.keyCode),
    });
}

void InputDisplayState::applyModifiersChanged(ModifierSet modifiers)
{
    const bool anyAdded = (modifiers.bits() & ~heldModifiers.bits()) != 0;
    heldModifiers = modifiers;

    if (anyAdded) {
        if (!heldButtons.empty()) {
            rebuildForMouse();
            return;
        }
        if (!pressedKeyCode) {
            keycaps = modifierKeycaps(modifiers);
            return;
        }
    }
    // Only releases, or a key is still held: re-press the modifier caps, add or remove none.
    for (Keycap& keycap : keycaps) {
        if (keycap.modifier)
            keycap.isPressed = modifiers.contains(*keycap.modifier);
    }
}

void InputDisplayState::apply(const MouseEvent& event)
{
    std::visit(Overloaded{
                   [&](const ButtonDown& down) {
                       heldModifiers = down.modifiers;
                       if (std::ranges::find(heldButtons, down.button) == heldButtons.end()) {
                           heldButtons.push_back(down.button);
                           std::ranges::sort(heldButtons);
                       }
                       rebuildForMouse();
                   },
                   [&](const ButtonUp& up) {
                       std::erase(heldButtons, up.button);
                       release(KeycapId::forButton(up.button));
                   },
                   [&](const Scroll& scroll) {
                       heldModifiers = scroll.modifiers;
                       keycaps = modifierKeycaps(scroll.modifiers);
                       keycaps.push_back(scrollKeycap(scroll.direction));
                   },
               },
               event);
}

void InputDisplayState::rebuildForMouse()
{
    keycaps = modifierKeycaps(heldModifiers);
    for (MouseButton button : heldButtons)
        keycaps.push_back(buttonKeycap(button));
}

void InputDisplayState::release(const std::string& id)
{
    for (Keycap& keycap : keycaps) {
        if (keycap.id == id)
            keycap.isPressed = false;
    }
}

} // namespace kestrel
