#pragma once

#include "platform/keys/KeyboardTracker.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct xkb_context;
struct xkb_keymap;
struct xkb_state;

namespace kestrel::evdev {

// The keyboard as the desktop sees it, rebuilt from the keys themselves: an xkbcommon keymap
// (from layout names, or the text a Wayland compositor hands out) and a state fed with every
// key that goes down or up, so the modifiers, locks and layout switches the keymap binds to
// keys are followed as the compositor follows them. A desktop that switches layouts by other
// means tells Kestrel through `setActiveLayout`.
class XkbKeyboard {
public:
    // The rules, model, layouts, variants and options xkbcommon builds a keymap from; empty
    // fields take xkbcommon's defaults (and its XKB_DEFAULT_* variables).
    struct Names {
        std::string rules;
        std::string model;
        std::string layout; // "us", or several: "us,de"
        std::string variant;
        std::string options; // "grp:alt_shift_toggle"
    };

    // Nothing when xkbcommon cannot build the keymap.
    static std::unique_ptr<XkbKeyboard> fromNames(const Names& names);
    static std::unique_ptr<XkbKeyboard> fromText(std::string_view keymap);
    // The same keymap with nothing held, locked or switched, without compiling it again.
    std::unique_ptr<XkbKeyboard> freshCopy() const;
    ~XkbKeyboard();

    XkbKeyboard(const XkbKeyboard&) = delete;
    XkbKeyboard& operator=(const XkbKeyboard&) = delete;

    // Whether the keymap is a whole keyboard's: letters on A and Z, and a space bar. The
    // keymaps of virtual keyboards (a typing tool's, a remote desktop's) hold only the few
    // keys they type.
    bool isWholeKeyboard() const;

    // What the key does in the first layout, from its keysym.
    keys::KeyRole role(std::uint32_t evdevCode) const;
    // The key's text in the active layout with only Shift (and AltGr, NumLock) applied.
    std::optional<std::string> text(std::uint32_t evdevCode);
    // Follows a key going down or up (never a repeat).
    void update(std::uint32_t evdevCode, bool isDown);

    std::uint32_t layoutCount() const;
    std::uint32_t activeLayout() const;
    // The desktop switched layouts; ignored when the keymap has no such layout.
    void setActiveLayout(std::uint32_t index);
    // The layout's name in the keymap ("English (US)"); empty when it has none.
    std::string layoutName(std::uint32_t index) const;

private:
    XkbKeyboard(xkb_context* context, xkb_keymap* keymap);

    xkb_context* m_context;
    xkb_keymap* m_keymap;
    xkb_state* m_state;     // follows the keys
    xkb_state* m_textState; // only the modifiers that choose characters
    std::uint32_t m_droppedModifiers = 0;
};

} // namespace kestrel::evdev
