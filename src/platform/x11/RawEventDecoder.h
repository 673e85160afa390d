#pragma once

#include "platform/PlatformEvent.h"
#include "platform/keys/KeyboardTracker.h"
#include "platform/x11/XcbHeaders.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace kestrel::x11 {

class X11Keyboard;

// Turns what arrives on Kestrel's input connection into platform events: XInput 2 raw key
// and button events, XKB state and keymap notices, and pointer-mapping notices. It reads
// only the bytes it is given and asks nothing of the server itself (the keyboard, the grab
// check and the button map come from outside), so events from a hostile or broken server
// cannot make it read past them.
class RawEventDecoder {
public:
    // `inputOpcode` is the XInput extension's major opcode on the connection.
    RawEventDecoder(X11Keyboard& keyboard, std::uint8_t inputOpcode);

    // True when a key press at (time, keycode) went to another client's keyboard grab,
    // where passwords are typed; such key-downs are never handed on. Unset: never.
    std::function<bool(xcb_timestamp_t time, xcb_keycode_t keycode)> isTypedIntoGrab;
    // Called when the server announces a new pointer (button) mapping.
    std::function<void()> onPointerMappingChanged;

    // Decodes one event of `size` bytes as xcb hands it out; what it says to Kestrel's taps.
    std::vector<PlatformEvent> decode(const void* event, std::size_t size);
    // The size xcb gives an event whose first 32 bytes are `head`.
    static std::size_t eventSize(const xcb_generic_event_t* head);

    // Physical button n acts as mapping[n - 1], as the server's button map says.
    void setPointerMapping(std::vector<std::uint8_t> mapping) { m_pointerMapping = std::move(mapping); }

    // Lets go of every key, modifier and button held: the display is gone and their releases
    // will never come.
    std::vector<PlatformEvent> releaseAll();
    // Releases every held ordinary key the server has up (`isDown(evdev code)` is false).
    template <typename IsDown>
    std::vector<PlatformEvent> reconcileKeys(IsDown isDown)
    {
        return m_tracker.reconcileKeys(isDown);
    }

    // Counts what is down when listening starts as held, reporting nothing.
    void adopt(std::uint32_t evdevCode, keys::KeyRole role) { m_tracker.adopt(evdevCode, role); }
    std::vector<PlatformEvent> reconcileModifiers();

    bool isHoldingOrdinaryKeys() const { return m_tracker.isHoldingOrdinaryKeys(); }
    bool isHoldingAnything() const;

private:
    void decodeKey(const xcb_input_raw_key_press_event_t& event, bool isPress, std::vector<PlatformEvent>& out);
    void decodeButton(const xcb_input_raw_button_press_event_t& event, bool isPress, std::vector<PlatformEvent>& out);

    X11Keyboard& m_keyboard;
    std::uint8_t m_inputOpcode;
    keys::KeyboardTracker m_tracker;
    std::vector<std::uint8_t> m_pointerMapping;
    std::map<std::uint32_t, std::uint8_t> m_heldButtons; // physical → logical at the press
};

} // namespace kestrel::x11
