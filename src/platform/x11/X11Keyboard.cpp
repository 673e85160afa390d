#include "platform/x11/X11Keyboard.h"

#include "platform/keys/LayoutText.h"

#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

namespace kestrel::x11 {

namespace {

// The parts of the XKB state and keymap whose changes Kestrel follows.
constexpr std::uint16_t selectedEvents =
    XCB_XKB_EVENT_TYPE_NEW_KEYBOARD_NOTIFY | XCB_XKB_EVENT_TYPE_MAP_NOTIFY | XCB_XKB_EVENT_TYPE_STATE_NOTIFY;
constexpr std::uint16_t selectedMapParts = XCB_XKB_MAP_PART_KEY_TYPES | XCB_XKB_MAP_PART_KEY_SYMS |
                                           XCB_XKB_MAP_PART_MODIFIER_MAP | XCB_XKB_MAP_PART_EXPLICIT_COMPONENTS |
                                           XCB_XKB_MAP_PART_KEY_ACTIONS | XCB_XKB_MAP_PART_VIRTUAL_MODS |
                                           XCB_XKB_MAP_PART_VIRTUAL_MOD_MAP;
constexpr std::uint16_t selectedStateParts = XCB_XKB_STATE_PART_MODIFIER_BASE | XCB_XKB_STATE_PART_MODIFIER_LATCH |
                                             XCB_XKB_STATE_PART_MODIFIER_LOCK | XCB_XKB_STATE_PART_GROUP_BASE |
                                             XCB_XKB_STATE_PART_GROUP_LATCH | XCB_XKB_STATE_PART_GROUP_LOCK;

// Every XKB event starts like this.
struct XkbAnyEvent {
    std::uint8_t response_type;
    std::uint8_t xkbType;
    std::uint16_t sequence;
    xcb_timestamp_t time;
    std::uint8_t deviceID;
};

std::uint32_t firstKeysym(xkb_keymap* keymap, xcb_keycode_t keycode, std::uint32_t layout)
{
    const xkb_keysym_t* symbols = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(keymap, keycode, layout, 0, &symbols);
    return count > 0 ? symbols[0] : 0;
}

} // namespace

std::unique_ptr<X11Keyboard> X11Keyboard::create(xcb_connection_t* connection)
{
    std::uint8_t firstEvent = 0;
    if (!xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                     XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, &firstEvent, nullptr))
        return nullptr;
    const std::int32_t deviceId = xkb_x11_get_core_keyboard_device_id(connection);
    if (deviceId < 0)
        return nullptr;

    xcb_xkb_select_events_details_t details{};
    details.affectNewKeyboard = XCB_XKB_NKN_DETAIL_KEYCODES;
    details.newKeyboardDetails = XCB_XKB_NKN_DETAIL_KEYCODES;
    details.affectState = selectedStateParts;
    details.stateDetails = selectedStateParts;
    xcb_xkb_select_events_aux(connection, static_cast<xcb_xkb_device_spec_t>(deviceId), selectedEvents, 0, 0,
                              selectedMapParts, selectedMapParts, &details);

    const std::shared_ptr<xkb_context> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS), xkb_context_unref);
    if (!context)
        return nullptr;
    auto load = [connection, deviceId, context]() -> Snapshot {
        Snapshot snapshot;
        snapshot.keymap =
            xkb_x11_keymap_new_from_device(context.get(), connection, deviceId, XKB_KEYMAP_COMPILE_NO_FLAGS);
        if (!snapshot.keymap)
            return snapshot;
        // Which real modifiers carry Alt and Super on this keymap.
        const XcbPointer<xcb_get_modifier_mapping_reply_t> mapping(
            xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
        if (mapping)
            snapshot.masks = keys::realModifierMasks(
                xcb_get_modifier_mapping_keycodes(mapping.get()), mapping->keycodes_per_modifier,
                [&](xcb_keycode_t keycode) { return firstKeysym(snapshot.keymap, keycode, 0); });
        const XcbPointer<xcb_xkb_get_state_reply_t> state(xcb_xkb_get_state_reply(
            connection, xcb_xkb_get_state(connection, static_cast<xcb_xkb_device_spec_t>(deviceId)), nullptr));
        if (state)
            snapshot.state = ModifierState{state->baseMods, state->latchedMods, state->lockedMods, state->group};
        return snapshot;
    };
    auto keyboard = std::make_unique<X11Keyboard>(firstEvent, deviceId, std::move(load));
    if (!keyboard->ensureKeymap())
        return nullptr;
    return keyboard;
}

std::unique_ptr<X11Keyboard> X11Keyboard::forLayout(const std::string& layout, std::uint8_t firstEvent,
                                                    std::int32_t deviceId)
{
    auto load = [layout] {
        Snapshot snapshot;
        xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        const xkb_rule_names names{.rules = "evdev", .model = "pc105", .layout = layout.c_str()};
        snapshot.keymap = context ? xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS) : nullptr;
        xkb_context_unref(context);
        return snapshot;
    };
    auto keyboard = std::make_unique<X11Keyboard>(firstEvent, deviceId, std::move(load));
    if (!keyboard->ensureKeymap())
        return nullptr;
    return keyboard;
}

X11Keyboard::X11Keyboard(std::uint8_t firstEvent, std::int32_t deviceId, Loader load)
    : m_firstEvent(firstEvent), m_deviceId(deviceId), m_load(std::move(load))
{}

X11Keyboard::~X11Keyboard()
{
    xkb_state_unref(m_textState);
    xkb_keymap_unref(m_keymap);
}

bool X11Keyboard::ensureKeymap()
{
    if (!m_keymapIsStale)
        return m_keymap != nullptr;
    const Snapshot snapshot = m_load();
    if (!snapshot.keymap)
        return m_keymap != nullptr; // keep the old one rather than none
    xkb_state* state = xkb_state_new(snapshot.keymap);
    if (!state) {
        xkb_keymap_unref(snapshot.keymap);
        return m_keymap != nullptr;
    }
    xkb_state_unref(m_textState);
    xkb_keymap_unref(m_keymap);
    m_keymap = snapshot.keymap;
    m_textState = state;
    m_keymapIsStale = false;
    m_masks = snapshot.masks;
    if (snapshot.state)
        m_state = *snapshot.state;
    return true;
}

bool X11Keyboard::handleEvent(const xcb_generic_event_t* event)
{
    const auto* any = reinterpret_cast<const XkbAnyEvent*>(event);
    if (any->deviceID != m_deviceId)
        return false;
    switch (any->xkbType) {
    case XCB_XKB_NEW_KEYBOARD_NOTIFY:
    case XCB_XKB_MAP_NOTIFY:
        m_keymapIsStale = true;
        return false;
    case XCB_XKB_STATE_NOTIFY: {
        const auto* notify = reinterpret_cast<const xcb_xkb_state_notify_event_t*>(event);
        m_state = {notify->baseMods, notify->latchedMods, notify->lockedMods, notify->group};
        return true;
    }
    default:
        return false;
    }
}

std::uint32_t X11Keyboard::keysym(xcb_keycode_t keycode, std::uint32_t layout)
{
    return firstKeysym(m_keymap, keycode, layout);
}

keys::KeyRole X11Keyboard::role(xcb_keycode_t keycode)
{
    if (!ensureKeymap())
        return keys::KeyRole::ordinary;
    return keys::keyRole(keysym(keycode, 0));
}

keys::RealModifierMasks X11Keyboard::masks()
{
    ensureKeymap();
    return m_masks;
}

std::optional<std::string> X11Keyboard::text(xcb_keycode_t keycode)
{
    if (!ensureKeymap())
        return std::nullopt;
    // Keep Shift, NumLock and the level choosers (AltGr); drop caps lock, Control, Alt and
    // Super, which choose no characters on a keycap.
    const std::uint8_t dropped = XCB_MOD_MASK_LOCK | m_masks.control | m_masks.option | m_masks.command;
    const std::uint8_t active = (m_state.base | m_state.latched | m_state.locked) & static_cast<std::uint8_t>(~dropped);
    xkb_state_update_mask(m_textState, active, 0, 0, 0, 0, m_state.group);

    return keys::keyText(m_textState, keycode);
}

} // namespace kestrel::x11
