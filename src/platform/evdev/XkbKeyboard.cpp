#include "platform/evdev/XkbKeyboard.h"

#include "platform/keys/KeyCodeMap.h"
#include "platform/keys/LayoutText.h"

#include <xkbcommon/xkbcommon.h>

#include <array>

#include <linux/input-event-codes.h>

namespace kestrel::evdev {

namespace {

// Caps lock, Control, Alt and Super choose no characters on a keycap; Shift, NumLock and
// the level choosers (AltGr) do.
std::uint32_t droppedModifiers(xkb_keymap* keymap)
{
    constexpr std::array names{
        XKB_MOD_NAME_CAPS, XKB_MOD_NAME_CTRL, XKB_MOD_NAME_ALT, XKB_MOD_NAME_LOGO, "Alt", "Meta", "Super", "Hyper"};
    std::uint32_t mask = 0;
    for (const char* name : names) {
        const xkb_mod_index_t index = xkb_keymap_mod_get_index(keymap, name);
        if (index != XKB_MOD_INVALID && index < 32)
            mask |= 1u << index;
    }
    return mask;
}

} // namespace

std::unique_ptr<XkbKeyboard> XkbKeyboard::fromNames(const Names& names)
{
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (!context)
        return nullptr;
    auto field = [](const std::string& value) { return value.empty() ? nullptr : value.c_str(); };
    const xkb_rule_names rules{.rules = field(names.rules),
                               .model = field(names.model),
                               .layout = field(names.layout),
                               .variant = field(names.variant),
                               .options = field(names.options)};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &rules, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!keymap) {
        xkb_context_unref(context);
        return nullptr;
    }
    return std::unique_ptr<XkbKeyboard>(new XkbKeyboard(context, keymap));
}

std::unique_ptr<XkbKeyboard> XkbKeyboard::fromText(std::string_view text)
{
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (!context)
        return nullptr;
    xkb_keymap* keymap = xkb_keymap_new_from_buffer(context, text.data(), text.size(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                                    XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!keymap) {
        xkb_context_unref(context);
        return nullptr;
    }
    return std::unique_ptr<XkbKeyboard>(new XkbKeyboard(context, keymap));
}

std::unique_ptr<XkbKeyboard> XkbKeyboard::freshCopy() const
{
    return std::unique_ptr<XkbKeyboard>(new XkbKeyboard(xkb_context_ref(m_context), xkb_keymap_ref(m_keymap)));
}

XkbKeyboard::XkbKeyboard(xkb_context* context, xkb_keymap* keymap)
    : m_context(context),
      m_keymap(keymap),
      m_state(xkb_state_new(keymap)),
      m_textState(xkb_state_new(keymap)),
      m_droppedModifiers(droppedModifiers(keymap))
{}

XkbKeyboard::~XkbKeyboard()
{
    xkb_state_unref(m_textState);
    xkb_state_unref(m_state);
    xkb_keymap_unref(m_keymap);
    xkb_context_unref(m_context);
}

bool XkbKeyboard::isWholeKeyboard() const
{
    const auto symbol = [this](std::uint32_t evdevCode) {
        const xkb_keysym_t* symbols = nullptr;
        const int count = xkb_keymap_key_get_syms_by_level(m_keymap, keys::xKeycode(evdevCode), 0, 0, &symbols);
        return count > 0 ? symbols[0] : XKB_KEY_NoSymbol;
    };
    return symbol(KEY_A) != XKB_KEY_NoSymbol && symbol(KEY_Z) != XKB_KEY_NoSymbol && symbol(KEY_SPACE) == XKB_KEY_space;
}

keys::KeyRole XkbKeyboard::role(std::uint32_t evdevCode) const
{
    const xkb_keysym_t* symbols = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(m_keymap, keys::xKeycode(evdevCode), 0, 0, &symbols);
    return keys::keyRole(count > 0 ? symbols[0] : 0);
}

std::optional<std::string> XkbKeyboard::text(std::uint32_t evdevCode)
{
    if (!m_state || !m_textState)
        return std::nullopt;
    const std::uint32_t active = xkb_state_serialize_mods(m_state, XKB_STATE_MODS_EFFECTIVE) & ~m_droppedModifiers;
    xkb_state_update_mask(m_textState, active, 0, 0, 0, 0, activeLayout());
    return keys::keyText(m_textState, keys::xKeycode(evdevCode));
}

void XkbKeyboard::update(std::uint32_t evdevCode, bool isDown)
{
    if (m_state)
        xkb_state_update_key(m_state, keys::xKeycode(evdevCode), isDown ? XKB_KEY_DOWN : XKB_KEY_UP);
}

std::uint32_t XkbKeyboard::layoutCount() const
{
    return xkb_keymap_num_layouts(m_keymap);
}

std::uint32_t XkbKeyboard::activeLayout() const
{
    return m_state ? xkb_state_serialize_layout(m_state, XKB_STATE_LAYOUT_EFFECTIVE) : 0;
}

void XkbKeyboard::setActiveLayout(std::uint32_t index)
{
    if (!m_state || index >= layoutCount())
        return;
    xkb_state_update_mask(m_state, xkb_state_serialize_mods(m_state, XKB_STATE_MODS_DEPRESSED),
                          xkb_state_serialize_mods(m_state, XKB_STATE_MODS_LATCHED),
                          xkb_state_serialize_mods(m_state, XKB_STATE_MODS_LOCKED), 0, 0, index);
}

std::string XkbKeyboard::layoutName(std::uint32_t index) const
{
    const char* name = xkb_keymap_layout_get_name(m_keymap, index);
    return name ? name : "";
}

} // namespace kestrel::evdev
