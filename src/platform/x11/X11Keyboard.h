#pragma once

#include "platform/x11/KeyboardTracker.h"
#include "platform/x11/XcbHeaders.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

struct xkb_context;
struct xkb_keymap;
struct xkb_state;

namespace kestrel::x11 {

// The server's keyboard as Kestrel needs it: the keymap (from xkbcommon), the modifier and
// layout-group state (mirrored from XKB state notifications), what each key types with only
// Shift applied, and which real modifier bits carry Alt and Super. The keymap is rebuilt
// lazily, at the first use after the server announced a change, so the burst of
// notifications that one layout switch sends costs one rebuild and no timer.
class X11Keyboard {
public:
    // Sets up XKB on the connection and selects its notifications; nothing when the server
    // has no usable XKB.
    static std::unique_ptr<X11Keyboard> create(xcb_connection_t* connection);
    ~X11Keyboard();

    std::uint8_t firstEvent() const { return m_firstEvent; }

    // Handles an XKB event; true when it changed the modifier state (so the caller can
    // reconcile what it believes is held).
    bool handleEvent(const xcb_generic_event_t* event);

    KeyRole role(xcb_keycode_t keycode);
    // The key's text on the active layout with only Shift (and AltGr, NumLock) applied.
    std::optional<std::string> text(xcb_keycode_t keycode);

    std::uint8_t depressedModifiers() const { return m_baseMods; }
    bool capsLockIsOn() const { return (m_lockedMods & XCB_MOD_MASK_LOCK) != 0; }
    RealModifierMasks masks();

private:
    X11Keyboard(xcb_connection_t* connection, std::uint8_t firstEvent, std::int32_t deviceId);
    bool ensureKeymap();
    void readState();
    std::uint32_t keysym(xcb_keycode_t keycode, std::uint32_t layout);

    xcb_connection_t* m_connection;
    std::uint8_t m_firstEvent;
    std::int32_t m_deviceId;
    xkb_context* m_context = nullptr;
    xkb_keymap* m_keymap = nullptr;
    xkb_state* m_textState = nullptr;
    bool m_keymapIsStale = true;
    RealModifierMasks m_masks;
    std::uint8_t m_baseMods = 0;
    std::uint8_t m_latchedMods = 0;
    std::uint8_t m_lockedMods = 0;
    std::uint32_t m_group = 0;
};

} // namespace kestrel::x11
