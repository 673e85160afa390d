#include "platform/evdev/EvdevDecoder.h"

#include "platform/evdev/XkbKeyboard.h"
#include "platform/keys/PointerButtons.h"

#include <optional>

namespace kestrel::evdev {

namespace {

// The logical button (X's numbering) of a mouse button code; nothing for other buttons
// (touchpad tools, joysticks, tablets), which Kestrel does not show.
std::optional<std::uint32_t> logicalButton(std::uint16_t code)
{
    using namespace keys::LogicalButton;
    switch (code) {
    case BTN_LEFT:
        return left;
    case BTN_RIGHT:
        return right;
    case BTN_MIDDLE:
        return middle;
    case BTN_SIDE:
    case BTN_BACK:
        return back;
    case BTN_EXTRA:
    case BTN_FORWARD:
        return forward;
    default:
        return std::nullopt;
    }
}

// Codes from BTN_MISC up to the first key code above them are buttons, not keys.
bool isButton(std::uint16_t code)
{
    return code >= BTN_MISC && code < KEY_OK;
}

} // namespace

void EvdevDecoder::decode(const DeviceEvent& event, std::vector<PlatformEvent>& out)
{
    if (event.kind == DeviceEvent::Kind::capsLockLight) {
        adoptCapsLockLight();
        return;
    }
    if (event.kind == DeviceEvent::Kind::wheel) {
        // One event per step, as a wheel that clicks gives them; up and left are positive.
        const int direction = event.steps > 0 ? 1 : -1;
        const double vertical = event.horizontal ? 0.0 : direction;
        const double horizontal = event.horizontal ? -direction : 0.0;
        for (int step = 0; step != event.steps; step += direction)
            out.push_back(keys::scrollEvent(vertical, horizontal, m_tracker.flags()));
        return;
    }
    if (isButton(event.code)) {
        if (const auto button = logicalButton(event.code))
            decodeButton(*button, event, out);
        return;
    }
    decodeKey(event, out);
}

void EvdevDecoder::decodeKey(const DeviceEvent& event, std::vector<PlatformEvent>& out)
{
    const std::uint32_t code = event.code;
    if (event.action == KeyAction::release) {
        m_keyboard->update(code, false);
        if (auto released = m_tracker.release(code))
            out.push_back(std::move(*released));
        return;
    }
    const keys::KeyRole role = m_keyboard->role(code);
    // The text is what the key types before its own press changes the state.
    auto pressed = m_tracker.press(code, role, role == keys::KeyRole::ordinary ? m_keyboard->text(code) : std::nullopt);
    if (event.action == KeyAction::press)
        m_keyboard->update(code, true);
    if (!pressed)
        return;
    // The kernel repeats held keys itself; the tracker marks a press of a held key.
    out.push_back(std::move(*pressed));
}

void EvdevDecoder::decodeButton(std::uint32_t button, const DeviceEvent& event, std::vector<PlatformEvent>& out)
{
    switch (event.action) {
    case KeyAction::press:
        if (!m_heldButtons.insert(button).second)
            return; // the same button of a second mouse
        break;
    case KeyAction::release:
        if (m_heldButtons.erase(button) == 0)
            return;
        break;
    case KeyAction::repeat:
        return;
    }
    out.push_back(keys::buttonEvent(button, event.action == KeyAction::press, m_tracker.flags()));
}

void EvdevDecoder::adopt(std::uint16_t code)
{
    if (isButton(code))
        return;
    const keys::KeyRole role = m_keyboard->role(code);
    m_keyboard->update(code, true);
    if (role != keys::KeyRole::ordinary && role != keys::KeyRole::capsLock)
        m_tracker.adopt(code, role);
}

} // namespace kestrel::evdev
