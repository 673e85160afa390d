#pragma once

#include "platform/keys/KeyboardTracker.h"
#include "platform/x11/XcbHeaders.h"

#include <cstdint>
#include <functional>
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
    struct ModifierState {
        std::uint8_t base = 0;
        std::uint8_t latched = 0;
        std::uint8_t locked = 0;
        std::uint32_t group = 0;
    };
    // The keyboard as it is now: a keymap (its reference handed over; none when it could not
    // be had), the real modifier bits that carry Alt, Super and NumLock on it, and the state
    // when it is known.
    struct Snapshot {
        xkb_keymap* keymap = nullptr;
        keys::RealModifierMasks masks;
        std::optional<ModifierState> state;
    };
    using Loader = std::function<Snapshot()>;

    // Sets up XKB on the connection and selects its notifications; nothing when the server
    // has no usable XKB.
    static std::unique_ptr<X11Keyboard> create(xcb_connection_t* connection);
    // A keyboard with a fixed layout ("us", "de"…), as if the server had it; nothing when
    // xkbcommon does not know the layout. XKB events for `deviceId` still change its state.
    static std::unique_ptr<X11Keyboard> forLayout(const std::string& layout, std::uint8_t firstEvent,
                                                  std::int32_t deviceId);

    // `load` is asked for the keymap now and after every keymap change.
    X11Keyboard(std::uint8_t firstEvent, std::int32_t deviceId, Loader load);
    ~X11Keyboard();

    X11Keyboard(const X11Keyboard&) = delete;
    X11Keyboard& operator=(const X11Keyboard&) = delete;

    std::uint8_t firstEvent() const { return m_firstEvent; }

    // Handles an XKB event of at least 32 bytes; true when it changed the modifier state (so
    // the caller can reconcile what it believes is held).
    bool handleEvent(const xcb_generic_event_t* event);

    keys::KeyRole role(xcb_keycode_t keycode);
    // The key's text on the active layout with only Shift (and AltGr, NumLock) applied.
    std::optional<std::string> text(xcb_keycode_t keycode);

    std::uint8_t depressedModifiers() const { return m_state.base; }
    bool capsLockIsOn() const { return (m_state.locked & XCB_MOD_MASK_LOCK) != 0; }
    keys::RealModifierMasks masks();

private:
    bool ensureKeymap();
    std::uint32_t keysym(xcb_keycode_t keycode, std::uint32_t layout);

    std::uint8_t m_firstEvent;
    std::int32_t m_deviceId;
    Loader m_load;
    xkb_keymap* m_keymap = nullptr;
    xkb_state* m_textState = nullptr;
    bool m_keymapIsStale = true;
    keys::RealModifierMasks m_masks;
    ModifierState m_state;
};

} // namespace kestrel::x11
