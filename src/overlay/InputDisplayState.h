#pragma once

#include "input/EventRecords.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

// Width class and artwork of a keycap, narrowest first.
enum class KeycapShape : std::uint8_t { key, cmd, shift, space };

// What a mouse keycap pictures: a mouse with one button lit, or one scroll step.
struct MouseGlyph {
    enum class Kind : std::uint8_t { button, scroll };
    Kind kind = Kind::button;
    MouseButton button = MouseButton::left;          // for Kind::button
    ScrollDirection direction = ScrollDirection::up; // for Kind::scroll

    static MouseGlyph forButton(MouseButton button) { return {Kind::button, button, ScrollDirection::up}; }
    static MouseGlyph forScroll(ScrollDirection direction) { return {Kind::scroll, MouseButton::left, direction}; }
    bool operator==(const MouseGlyph&) const = default;
};

// The ids of keycaps: a keycap keeps its id across updates, so views keep each cap's
// animation and timers are keyed by it.
namespace KeycapId {
inline constexpr std::string_view capsLock = "caps-lock";
inline constexpr std::string_view scroll = "scroll";
inline constexpr std::string_view sample = "key-sample"; // the previews' sample key
// A key's cap, by virtual key code: "key-8".
std::string forKey(std::int64_t keyCode);
// A modifier's cap: "mod-command".
std::string forModifier(Modifier modifier);
// A mouse button's cap: "mouse-left click".
std::string forButton(MouseButton button);
} // namespace KeycapId

// One keycap of the overlay row.
struct Keycap {
    std::string id;                         // see KeycapId
    std::string symbol;                     // text on the cap, may be empty
    std::optional<std::string> systemImage; // image drawn with or instead of the text
    std::optional<std::string> name;        // long name: "caps lock", "left click", "return"…
    std::optional<Modifier> modifier;       // only on modifier caps
    std::optional<std::int64_t> keyCode;    // only on the caps of keys and caps lock
    bool isPressed = true;                  // drawn pushed down; new caps start pressed
    std::optional<bool> indicatorIsOn;      // only on the caps-lock cap: its light
    KeycapShape shape = KeycapShape::key;
    std::optional<MouseGlyph> mouse; // only on mouse-button and scroll caps

    bool operator==(const Keycap&) const = default;
};

// The shape a key's cap takes, by virtual key code.
KeycapShape keycapShape(std::int64_t keyCode);

// What the overlay shows right now, and what the user still holds. Every accepted press,
// click or scroll replaces the whole list with the combination it forms, so the list never
// becomes a typing history. A plain value: the overlay controller owns one and folds every
// event into it; it has no timers and calls nothing.
struct InputDisplayState {
    std::vector<Keycap> keycaps;
    ModifierSet heldModifiers;                  // of the last accepted press, change, click or scroll
    std::optional<std::int64_t> pressedKeyCode; // last accepted key press not yet released
    std::vector<MouseButton> heldButtons;       // pressed and not yet released, in left-middle-right order

    bool isHoldingAnything() const { return !heldModifiers.empty() || pressedKeyCode || !heldButtons.empty(); }

    // `showShiftWithCapitals` and `shortcutsOnly` are the preferences, read by the caller for
    // every event.
    void apply(const KeyEvent& event, bool showShiftWithCapitals, bool shortcutsOnly);
    void apply(const MouseEvent& event);
    // Draws every cap with this id released; the list keeps its order and members.
    void release(const std::string& id);

    // One pressed cap per modifier of the set, in display order.
    static std::vector<Keycap> modifierKeycaps(ModifierSet modifiers);

    bool operator==(const InputDisplayState&) const = default;

private:
    void applyKeyDown(const KeyDown& down, bool showShiftWithCapitals, bool shortcutsOnly);
    void applyModifiersChanged(ModifierSet modifiers);
    void rebuildForMouse();
};

} // namespace kestrel
