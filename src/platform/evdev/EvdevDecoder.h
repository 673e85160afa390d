#pragma once

#include "platform/PlatformEvent.h"
#include "platform/evdev/EvdevReader.h"
#include "platform/keys/KeyboardTracker.h"

#include <cstdint>
#include <set>
#include <vector>

namespace kestrel::evdev {

class XkbKeyboard;

// Turns what the devices report into the platform events Kestrel's monitors read, as the X11
// source does: key-downs with the flag word rebuilt from what is held and the key's text on
// the active layout, key-ups, flags-changed events for modifiers and caps lock, clicks, and
// one scroll event per wheel step. Every device of the seat goes through one decoder, as
// they share one keyboard state on the desktop.
class EvdevDecoder {
public:
    explicit EvdevDecoder(XkbKeyboard& keyboard) : m_keyboard(&keyboard) {}

    // Reads keys with another keymap from now on (the desktop's changed); what is held stays.
    void useKeyboard(XkbKeyboard& keyboard) { m_keyboard = &keyboard; }

    void decode(const DeviceEvent& event, std::vector<PlatformEvent>& out);
    // Counts a key found down when listening starts as held, reporting nothing.
    void adopt(std::uint16_t code);
    // Takes Caps Lock as on, reporting nothing: a keyboard's light was found lit as it was
    // opened. Kestrel's own count of the presses holds once it has seen one.
    void adoptCapsLockLight() { m_tracker.adoptCapsLockOn(); }

private:
    void decodeKey(const DeviceEvent& event, std::vector<PlatformEvent>& out);
    void decodeButton(std::uint32_t button, const DeviceEvent& event, std::vector<PlatformEvent>& out);

    XkbKeyboard* m_keyboard;
    keys::KeyboardTracker m_tracker;
    std::set<std::uint32_t> m_heldButtons; // logical buttons
};

} // namespace kestrel::evdev
