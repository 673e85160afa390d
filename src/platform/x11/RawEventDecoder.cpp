#include "platform/x11/RawEventDecoder.h"

#include "input/EventRecords.h"
#include "platform/keys/KeyCodeMap.h"
#include "platform/keys/PointerButtons.h"
#include "platform/x11/X11Keyboard.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace kestrel::x11 {

namespace {

// X numbers keys 8 to 255; a raw event's 32-bit detail can say anything.
constexpr std::uint32_t minimumKeycode = keys::xKeycodeOffset;
constexpr std::uint32_t maximumKeycode = 255;

} // namespace

RawEventDecoder::RawEventDecoder(X11Keyboard& keyboard, std::uint8_t inputOpcode)
    : m_keyboard(keyboard), m_inputOpcode(inputOpcode)
{}

std::size_t RawEventDecoder::eventSize(const xcb_generic_event_t* head)
{
    // xcb stores 32 bytes, then the full sequence number, then a generic event's extra words.
    constexpr std::size_t stored = 32 + sizeof(std::uint32_t);
    if ((head->response_type & 0x7f) != XCB_GE_GENERIC)
        return stored;
    return stored + 4 * static_cast<std::size_t>(reinterpret_cast<const xcb_ge_generic_event_t*>(head)->length);
}

std::vector<PlatformEvent> RawEventDecoder::decode(const void* data, std::size_t size)
{
    std::vector<PlatformEvent> out;
    if (size < 32)
        return out;
    // Every event Kestrel reads fits in the first 64 bytes; a copy is aligned whatever the source.
    union {
        xcb_generic_event_t generic;
        xcb_ge_generic_event_t extension;
        xcb_mapping_notify_event_t mapping;
        xcb_input_raw_key_press_event_t key;
        xcb_input_raw_button_press_event_t button;
        std::array<std::uint8_t, 64> bytes;
    } event{};
    std::memcpy(event.bytes.data(), data, std::min(size, event.bytes.size()));

    const std::uint8_t type = event.generic.response_type & 0x7f;
    if (type == XCB_MAPPING_NOTIFY) {
        if (event.mapping.request == XCB_MAPPING_POINTER && onPointerMappingChanged)
            onPointerMappingChanged();
        return out;
    }
    if (type == m_keyboard.firstEvent()) {
        if (m_keyboard.handleEvent(&event.generic))
            out = reconcileModifiers();
        return out;
    }
    if (type != XCB_GE_GENERIC || event.extension.extension != m_inputOpcode)
        return out;
    switch (event.extension.event_type) {
    case XCB_INPUT_RAW_KEY_PRESS:
    case XCB_INPUT_RAW_KEY_RELEASE:
        if (size >= sizeof(xcb_input_raw_key_press_event_t))
            decodeKey(event.key, event.extension.event_type == XCB_INPUT_RAW_KEY_PRESS, out);
        break;
    case XCB_INPUT_RAW_BUTTON_PRESS:
    case XCB_INPUT_RAW_BUTTON_RELEASE:
        if (size >= sizeof(xcb_input_raw_button_press_event_t))
            decodeButton(event.button, event.extension.event_type == XCB_INPUT_RAW_BUTTON_PRESS, out);
        break;
    default:
        break;
    }
    return out;
}

void RawEventDecoder::decodeKey(const xcb_input_raw_key_press_event_t& event, bool isPress,
                                std::vector<PlatformEvent>& out)
{
    if (event.detail < minimumKeycode || event.detail > maximumKeycode)
        return;
    const auto keycode = static_cast<xcb_keycode_t>(event.detail);
    const std::uint32_t evdev = keys::evdevCode(keycode);
    if (!isPress) {
        if (auto released = m_tracker.release(evdev))
            out.push_back(std::move(*released));
        return;
    }
    const keys::KeyRole role = m_keyboard.role(keycode);
    auto pressed =
        m_tracker.press(evdev, role, role == keys::KeyRole::ordinary ? m_keyboard.text(keycode) : std::nullopt);
    if (!pressed)
        return;
    // Never show what is typed into another client's grab: that is where passwords go.
    // Modifier changes and releases still pass, so nothing stays held.
    if (pressed->type == EventType::keyDown && isTypedIntoGrab && isTypedIntoGrab(event.time, keycode))
        return;
    out.push_back(std::move(*pressed));
}

void RawEventDecoder::decodeButton(const xcb_input_raw_button_press_event_t& event, bool isPress,
                                   std::vector<PlatformEvent>& out)
{
    // Raw events report the physical button; the user's button map (left-handed, swapped
    // wheel) decides what it means. A release means what its press meant, even when the
    // map changed in between.
    const std::uint32_t physical = event.detail;
    if (isPress && m_heldButtons.contains(physical))
        return; // already down: a second press without a release is the server repeating itself
    std::uint32_t button =
        physical >= 1 && physical <= m_pointerMapping.size() ? m_pointerMapping[physical - 1] : physical;
    if (!isPress) {
        if (const auto held = m_heldButtons.find(physical); held != m_heldButtons.end()) {
            button = held->second;
            m_heldButtons.erase(held);
        }
    }
    const std::uint64_t flags = m_tracker.flags();
    if (keys::isClickButton(button)) {
        if (isPress)
            m_heldButtons[physical] = static_cast<std::uint8_t>(button);
        out.push_back(keys::buttonEvent(button, isPress, flags));
        return;
    }
    // One wheel step per press.
    if (!isPress)
        return;
    using namespace keys::LogicalButton;
    const double vertical = button == wheelUp ? 1.0 : button == wheelDown ? -1.0 : 0.0;
    const double horizontal = button == wheelLeft ? 1.0 : button == wheelRight ? -1.0 : 0.0;
    if (vertical != 0.0 || horizontal != 0.0)
        out.push_back(keys::scrollEvent(vertical, horizontal, flags));
}

std::vector<PlatformEvent> RawEventDecoder::reconcileModifiers()
{
    return m_tracker.reconcileModifiers(m_keyboard.depressedModifiers(), m_keyboard.masks(), m_keyboard.capsLockIsOn());
}

std::vector<PlatformEvent> RawEventDecoder::releaseAll()
{
    std::vector<PlatformEvent> out = m_tracker.reconcileKeys([](std::uint32_t) { return false; });
    const std::uint64_t flags = m_tracker.flags();
    for (const auto& [physical, button] : m_heldButtons)
        out.push_back(keys::buttonEvent(button, false, flags));
    m_heldButtons.clear();
    for (PlatformEvent& released : m_tracker.reconcileModifiers(0, keys::RealModifierMasks{}, false))
        out.push_back(std::move(released));
    m_tracker = keys::KeyboardTracker{};
    return out;
}

bool RawEventDecoder::isHoldingAnything() const
{
    return !m_heldButtons.empty() || m_tracker.isHoldingOrdinaryKeys() ||
           (m_tracker.flags() & ~EventFlag::capsLock) != 0;
}

} // namespace kestrel::x11
