#include "platform/keys/KeyboardTracker.h"

#include "input/EventRecords.h"
#include "platform/keys/KeyCodeMap.h"

namespace kestrel::keys {

namespace {

// X keysyms of the modifier keys.
constexpr std::uint32_t XK_Shift_L = 0xffe1, XK_Shift_R = 0xffe2, XK_Control_L = 0xffe3, XK_Control_R = 0xffe4,
                        XK_Caps_Lock = 0xffe5, XK_Meta_L = 0xffe7, XK_Meta_R = 0xffe8, XK_Alt_L = 0xffe9,
                        XK_Alt_R = 0xffea, XK_Super_L = 0xffeb, XK_Super_R = 0xffec, XK_Hyper_L = 0xffed,
                        XK_Hyper_R = 0xffee, XK_ISO_Level3_Shift = 0xfe03;

// The macOS key code a modifier key reports, and its flag bit.
struct ModifierKey {
    std::int64_t keyCode;
    std::uint64_t flag;
};

std::optional<ModifierKey> modifierKey(KeyRole role)
{
    switch (role) {
    case KeyRole::leftShift:
        return ModifierKey{56, EventFlag::shift};
    case KeyRole::rightShift:
        return ModifierKey{60, EventFlag::shift};
    case KeyRole::leftControl:
        return ModifierKey{59, EventFlag::control};
    case KeyRole::rightControl:
        return ModifierKey{62, EventFlag::control};
    case KeyRole::leftOption:
        return ModifierKey{58, EventFlag::option};
    case KeyRole::rightOption:
        return ModifierKey{61, EventFlag::option};
    case KeyRole::leftCommand:
        return ModifierKey{55, EventFlag::command};
    case KeyRole::rightCommand:
        return ModifierKey{54, EventFlag::command};
    default:
        return std::nullopt;
    }
}

PlatformEvent flagsChanged(std::int64_t keyCode, std::uint64_t flags)
{
    return PlatformEvent{.type = EventType::flagsChanged, .flags = flags, .keyCode = keyCode};
}

} // namespace

KeyRole keyRole(std::uint32_t keysym)
{
    switch (keysym) {
    case XK_Shift_L:
        return KeyRole::leftShift;
    case XK_Shift_R:
        return KeyRole::rightShift;
    case XK_Control_L:
        return KeyRole::leftControl;
    case XK_Control_R:
        return KeyRole::rightControl;
    case XK_Alt_L:
    case XK_Meta_L:
        return KeyRole::leftOption;
    case XK_Alt_R:
    case XK_Meta_R:
        return KeyRole::rightOption;
    case XK_Super_L:
    case XK_Hyper_L:
        return KeyRole::leftCommand;
    case XK_Super_R:
    case XK_Hyper_R:
        return KeyRole::rightCommand;
    case XK_Caps_Lock:
        return KeyRole::capsLock;
    case XK_ISO_Level3_Shift:
        return KeyRole::levelThree;
    default:
        return KeyRole::ordinary;
    }
}

std::uint64_t KeyboardTracker::flags() const
{
    std::uint64_t flags = m_capsLockIsOn ? EventFlag::capsLock : 0;
    for (const auto& [code, role] : m_held) {
        if (const auto modifier = modifierKey(role))
            flags |= modifier->flag;
    }
    return flags;
}

bool KeyboardTracker::isHoldingOrdinaryKeys() const
{
    for (const auto& [code, role] : m_held) {
        if (role == KeyRole::ordinary)
            return true;
    }
    return false;
}

std::optional<PlatformEvent> KeyboardTracker::press(std::uint32_t evdevCode, KeyRole role,
                                                    std::optional<std::string> layoutText)
{
    const bool wasHeld = !m_held.emplace(evdevCode, role).second;
    switch (role) {
    case KeyRole::ordinary: {
        PlatformEvent event{.type = EventType::keyDown, .flags = flags(), .keyCode = macKeyCode(evdevCode)};
        event.autorepeat = wasHeld ? 1 : 0;
        event.layoutText = std::move(layoutText);
        return event;
    }
    case KeyRole::capsLock:
        if (wasHeld)
            return std::nullopt;
        // One event per press, carrying the state the press leads to.
        m_capsLockIsOn = !m_capsLockIsOn;
        m_sawCapsLockPress = true;
        return flagsChanged(KeyCode::capsLock, flags());
    case KeyRole::levelThree:
        return std::nullopt;
    default:
        if (wasHeld)
            return std::nullopt;
        return flagsChanged(modifierKey(role)->keyCode, flags());
    }
}

std::optional<PlatformEvent> KeyboardTracker::release(std::uint32_t evdevCode)
{
    const auto held = m_held.find(evdevCode);
    if (held == m_held.end())
        return std::nullopt; // a duplicate release, or a key pressed before we listened
    const KeyRole role = held->second;
    m_held.erase(held);
    if (role == KeyRole::ordinary)
        return PlatformEvent{.type = EventType::keyUp, .flags = flags(), .keyCode = macKeyCode(evdevCode)};
    if (const auto modifier = modifierKey(role))
        return flagsChanged(modifier->keyCode, flags());
    return std::nullopt; // caps lock and AltGr report nothing on release
}

std::vector<PlatformEvent> KeyboardTracker::reconcileModifiers(std::uint8_t depressedRealModifiers,
                                                               const RealModifierMasks& masks, bool capsLockIsOn)
{
    m_capsLockIsOn = capsLockIsOn;
    const auto serverHolds = [&](std::uint64_t flag) {
        const std::uint8_t mask = flag == EventFlag::shift     ? masks.shift
                                  : flag == EventFlag::control ? masks.control
                                  : flag == EventFlag::option  ? masks.option
                                                               : masks.command;
        return (depressedRealModifiers & mask) != 0;
    };
    std::optional<std::int64_t> releasedKeyCode;
    for (auto it = m_held.begin(); it != m_held.end();) {
        const auto modifier = modifierKey(it->second);
        if (modifier && !serverHolds(modifier->flag)) {
            releasedKeyCode = modifier->keyCode;
            it = m_held.erase(it);
        } else {
            ++it;
        }
    }
    if (!releasedKeyCode)
        return {};
    return {flagsChanged(*releasedKeyCode, flags())};
}

} // namespace kestrel::keys
