#pragma once

#include "platform/PlatformEvent.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kestrel::keys {

// What a key does in the current keymap, decided from its keysym: the key a layout puts
// Control on (say, Caps Lock with ctrl:nocaps) is a Control key, whatever its position.
enum class KeyRole : std::uint8_t {
    ordinary,
    leftShift,
    rightShift,
    leftControl,
    rightControl,
    leftOption, // Alt and Meta
    rightOption,
    leftCommand, // Super (and Hyper)
    rightCommand,
    capsLock,
    levelThree, // AltGr: chooses characters, is not shown as a modifier
};

// The role of a key whose first-level keysym is `keysym`.
KeyRole keyRole(std::uint32_t keysym);

// The real X modifier bits (Shift, Lock, Control, Mod1…Mod5) that carry each of Kestrel's
// modifiers on this server; Alt and Super move between Mod1…Mod5 with the keymap.
struct RealModifierMasks {
    std::uint8_t shift = 0x01;
    std::uint8_t control = 0x04;
    std::uint8_t option = 0x08;  // Mod1 on most keymaps
    std::uint8_t command = 0x40; // Mod4 on most keymaps
    std::uint8_t numLock = 0x10; // Mod2 on most keymaps
    std::uint8_t scrollLock = 0; // on no modifier in most keymaps
};

// The real modifiers that carry Alt, Super, NumLock and Scroll Lock, read from the server's modifier
// mapping: eight rows (Shift, Lock, Control, Mod1…Mod5) of `perModifier` keycodes, 0 for
// none, and `keysymOf` giving a keycode's first keysym. A role no key carries gets 0.
template <typename KeysymOf>
RealModifierMasks realModifierMasks(const std::uint8_t* keycodes, int perModifier, KeysymOf keysymOf)
{
    constexpr std::uint32_t XK_Num_Lock = 0xff7f;
    constexpr std::uint32_t XK_Scroll_Lock = 0xff14;
    RealModifierMasks masks{.option = 0, .command = 0, .numLock = 0};
    for (int modifier = 3; modifier < 8; ++modifier) {
        const auto bit = static_cast<std::uint8_t>(1u << modifier);
        for (int i = 0; i < perModifier; ++i) {
            const std::uint8_t keycode = keycodes[modifier * perModifier + i];
            if (keycode == 0)
                continue;
            const std::uint32_t keysym = keysymOf(keycode);
            const KeyRole role = keyRole(keysym);
            if (role == KeyRole::leftOption || role == KeyRole::rightOption)
                masks.option |= bit;
            else if (role == KeyRole::leftCommand || role == KeyRole::rightCommand)
                masks.command |= bit;
            else if (keysym == XK_Num_Lock)
                masks.numLock |= bit;
            else if (keysym == XK_Scroll_Lock)
                masks.scrollLock |= bit;
        }
    }
    return masks;
}

// Turns raw key presses and releases into the platform events Kestrel's keystroke monitor
// reads: key-downs with the flag word rebuilt from what is held, key-ups, and flags-changed
// events for modifier keys and caps lock. It drops releases of keys that are not down (the
// server passes duplicates through) and marks a second press of a held key as a repeat.
// Pure: the X11 event source feeds it and delivers what it returns.
class KeyboardTracker {
public:
    // `layoutText` is what the key types with only Shift applied; only ordinary keys use it.
    std::optional<PlatformEvent> press(std::uint32_t evdevCode, KeyRole role, std::optional<std::string> layoutText);
    std::optional<PlatformEvent> release(std::uint32_t evdevCode);
    // Counts a key found already down when listening starts as held, reporting nothing.
    void adopt(std::uint32_t evdevCode, KeyRole role) { m_held.emplace(evdevCode, role); }
    // Takes Caps Lock as on, reporting nothing, where the keyboard says so (its light) when
    // listening starts; once a caps-lock press has been seen, the presses decide alone.
    void adoptCapsLockOn()
    {
        if (!m_sawCapsLockPress)
            m_capsLockIsOn = true;
    }

    // Brings the tracked state in line with the server's: modifiers the server no longer
    // holds are released (one flags-changed event if anything changed), and the caps-lock
    // state is taken over silently. Used after every XKB state change, so a missed release
    // cannot leave a modifier stuck down.
    std::vector<PlatformEvent> reconcileModifiers(std::uint8_t depressedRealModifiers, const RealModifierMasks& masks,
                                                  bool capsLockIsOn);
    // Releases every held ordinary key for which `isDown` says the server has it up.
    template <typename IsDown>
    std::vector<PlatformEvent> reconcileKeys(IsDown isDown);

    std::uint64_t flags() const;
    bool isHoldingOrdinaryKeys() const;

private:
    std::map<std::uint32_t, KeyRole> m_held; // by evdev code
    bool m_capsLockIsOn = false;
    bool m_sawCapsLockPress = false;
};

template <typename IsDown>
std::vector<PlatformEvent> KeyboardTracker::reconcileKeys(IsDown isDown)
{
    std::vector<std::uint32_t> missed;
    for (const auto& [code, role] : m_held) {
        if (role == KeyRole::ordinary && !isDown(code))
            missed.push_back(code);
    }
    std::vector<PlatformEvent> events;
    for (std::uint32_t code : missed) {
        if (auto event = release(code))
            events.push_back(*event);
    }
    return events;
}

} // namespace kestrel::keys
