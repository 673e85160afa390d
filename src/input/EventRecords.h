#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kestrel {

// The four modifier keys Kestrel shows. Declaration order is display order: modifier
// keycaps are laid out left to right in it. Caps lock and fn are deliberately absent.
enum class Modifier : std::uint8_t { control, option, shift, command };

inline constexpr std::array<Modifier, 4> allModifiers{Modifier::control, Modifier::option, Modifier::shift,
                                                      Modifier::command};

// Virtual key codes Kestrel treats by name.
namespace KeyCode {
inline constexpr std::int64_t returnKey = 36;
inline constexpr std::int64_t tab = 48;
inline constexpr std::int64_t space = 49;
inline constexpr std::int64_t deleteKey = 51; // Backspace on a PC keyboard
inline constexpr std::int64_t escape = 53;
inline constexpr std::int64_t keypadEnter = 76;
inline constexpr std::int64_t capsLock = 57;
inline constexpr std::int64_t keypadClear = 71; // Num Lock on a PC keyboard
inline constexpr std::int64_t home = 115;
inline constexpr std::int64_t pageUp = 116;
inline constexpr std::int64_t forwardDelete = 117; // Delete on a PC keyboard
inline constexpr std::int64_t end = 119;
inline constexpr std::int64_t pageDown = 121;
inline constexpr std::int64_t leftArrow = 123;
inline constexpr std::int64_t rightArrow = 124;
inline constexpr std::int64_t downArrow = 125;
inline constexpr std::int64_t upArrow = 126;
} // namespace KeyCode

// Bits of a platform event's flag word.
namespace EventFlag {
inline constexpr std::uint64_t capsLock = 0x10000;
inline constexpr std::uint64_t shift = 0x20000;
inline constexpr std::uint64_t control = 0x40000;
inline constexpr std::uint64_t option = 0x80000;
inline constexpr std::uint64_t command = 0x100000;
} // namespace EventFlag

std::uint64_t flagBit(Modifier modifier);
std::string_view symbol(Modifier modifier);  // "⌃", "⌥", "⇧", "⌘"
std::string_view caption(Modifier modifier); // "control", "option", "shift", "command"

// A set of modifiers, stored as a 4-bit mask. Iteration always follows display order,
// whatever order the members were added in.
class ModifierSet {
public:
    constexpr ModifierSet() = default;
    constexpr ModifierSet(std::initializer_list<Modifier> modifiers)
    {
        for (Modifier modifier : modifiers)
            insert(modifier);
    }

    constexpr bool contains(Modifier modifier) const { return (m_bits & bit(modifier)) != 0; }
    constexpr void insert(Modifier modifier) { m_bits = static_cast<std::uint8_t>(m_bits | bit(modifier)); }
    constexpr void erase(Modifier modifier) { m_bits = static_cast<std::uint8_t>(m_bits & ~bit(modifier)); }
    constexpr bool empty() const { return m_bits == 0; }
    constexpr int size() const { return std::popcount(m_bits); }
    constexpr std::uint8_t bits() const { return m_bits; }

    constexpr bool operator==(const ModifierSet&) const = default;

    class Iterator {
    public:
        using value_type = Modifier;
        using difference_type = std::ptrdiff_t;
        constexpr Iterator() = default;
        constexpr Iterator(std::uint8_t bits, int index) : m_bits(bits), m_index(index) { skipAbsent(); }
        constexpr Modifier operator*() const { return static_cast<Modifier>(m_index); }
        constexpr Iterator& operator++()
        {
            ++m_index;
            skipAbsent();
            return *this;
        }
        constexpr Iterator operator++(int)
        {
            Iterator previous = *this;
            ++*this;
            return previous;
        }
        constexpr bool operator==(const Iterator& other) const { return m_index == other.m_index; }

    private:
        constexpr void skipAbsent()
        {
            while (m_index < 4 && (m_bits & (1u << m_index)) == 0)
                ++m_index;
        }
        std::uint8_t m_bits = 0;
        int m_index = 4;
    };

    constexpr Iterator begin() const { return Iterator(m_bits, 0); }
    constexpr Iterator end() const { return Iterator(m_bits, 4); }

private:
    static constexpr std::uint8_t bit(Modifier modifier)
    {
        return static_cast<std::uint8_t>(1u << static_cast<unsigned>(modifier));
    }
    std::uint8_t m_bits = 0;
};

// The modifiers whose bits are set in a platform flag word; every other bit is ignored.
ModifierSet modifierSet(std::uint64_t flags);

// How one pressed key is shown.
struct KeyInfo {
    std::int64_t keyCode = 0;               // the platform's virtual key code
    std::string symbol;                     // keycap text; empty for space and the brightness keys
    std::optional<std::string> name;        // lower-case caption, e.g. "return"
    bool isSpecial = false;                 // found in the special-key table rather than the layout
    std::optional<std::string> systemImage; // "sun.min" or "sun.max"

    bool operator==(const KeyInfo&) const = default;
};

// Keyboard events, as the keystroke monitor hands them on.
struct KeyDown {
    KeyInfo info;
    ModifierSet modifiers; // every modifier held at that moment
    bool isRepeat = false; // generated by keyboard auto-repeat
    bool operator==(const KeyDown&) const = default;
};
struct KeyUp {
    std::int64_t keyCode = 0;
    bool operator==(const KeyUp&) const = default;
};
struct ModifiersChanged {
    ModifierSet modifiers; // the complete new set, possibly empty
    bool operator==(const ModifiersChanged&) const = default;
};
struct CapsLockToggled {
    bool isOn = false; // the caps-lock state after the press
    bool operator==(const CapsLockToggled&) const = default;
};
using KeyEvent = std::variant<KeyDown, KeyUp, ModifiersChanged, CapsLockToggled>;

enum class MouseButton : std::uint8_t { left, middle, right };
inline constexpr std::array<MouseButton, 3> allMouseButtons{MouseButton::left, MouseButton::middle, MouseButton::right};

enum class ScrollDirection : std::uint8_t { up, down, left, right };

// Mouse events, as the mouse monitor hands them on.
struct ButtonDown {
    MouseButton button = MouseButton::left;
    ModifierSet modifiers;
    bool operator==(const ButtonDown&) const = default;
};
struct ButtonUp {
    MouseButton button = MouseButton::left;
    bool operator==(const ButtonUp&) const = default;
};
struct Scroll {
    ScrollDirection direction = ScrollDirection::up;
    ModifierSet modifiers;
    bool operator==(const Scroll&) const = default;
};
using MouseEvent = std::variant<ButtonDown, ButtonUp, Scroll>;

// Readable one-line descriptions, for logs and test failures: "keyDown(c, {command})".
std::string describe(ModifierSet modifiers);
std::string describe(const KeyEvent& event);
std::string describe(const MouseEvent& event);

} // namespace kestrel

template <>
struct std::hash<kestrel::ModifierSet> {
    std::size_t operator()(kestrel::ModifierSet set) const noexcept { return set.bits(); }
};
