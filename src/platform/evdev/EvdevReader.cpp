#include "platform/evdev/EvdevReader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace kestrel::evdev {

namespace {

// One high-resolution wheel step is this many units (the kernel's convention).
constexpr int highResolutionStep = 120;
// Real frames hold a few events, a touchscreen's some hundreds.
constexpr std::size_t longestFrame = 4096;

} // namespace

EvdevReader::EvdevReader(KeyStateQuery queryHeld) : m_queryHeld(std::move(queryHeld)) {}

std::vector<std::uint16_t> EvdevReader::adoptHeld()
{
    std::vector<std::uint16_t> held;
    if (!m_queryHeld)
        return held;
    if (const auto now = m_queryHeld()) {
        m_held = *now;
        for (std::size_t code = 0; code < m_held.size(); ++code) {
            if (m_held.test(code))
                held.push_back(static_cast<std::uint16_t>(code));
        }
    }
    return held;
}

EvdevReader::Status EvdevReader::readFrom(int fd, std::vector<DeviceEvent>& out)
{
    std::array<std::byte, 64 * sizeof(input_event)> buffer;
    for (;;) {
        const ssize_t count = ::read(fd, buffer.data(), buffer.size());
        if (count > 0) {
            feed(std::span(buffer.data(), static_cast<std::size_t>(count)), out);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return Status::open;
        // End of file, or the device went away (ENODEV) or broke: nothing more will come.
        unplug(out);
        return Status::closed;
    }
}

void EvdevReader::feed(std::span<const std::byte> bytes, std::vector<DeviceEvent>& out)
{
    input_event event{};
    if (!m_partial.empty()) {
        const std::size_t missing = sizeof(event) - m_partial.size();
        const std::size_t taken = std::min(missing, bytes.size());
        m_partial.insert(m_partial.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(taken));
        bytes = bytes.subspan(taken);
        if (m_partial.size() < sizeof(event))
            return;
        std::memcpy(&event, m_partial.data(), sizeof(event));
        m_partial.clear();
        take(event, out);
    }
    while (bytes.size() >= sizeof(event)) {
        std::memcpy(&event, bytes.data(), sizeof(event));
        bytes = bytes.subspan(sizeof(event));
        take(event, out);
    }
    m_partial.assign(bytes.begin(), bytes.end());
}

void EvdevReader::take(const input_event& event, std::vector<DeviceEvent>& out)
{
    if (event.type != EV_SYN) {
        if (m_dropping)
            return;
        // A frame longer than any device's is a stream that lost its reports: drop it and
        // ask the device afterwards, as after an overrun.
        if (m_frame.size() >= longestFrame) {
            m_frame.clear();
            m_dropping = true;
            return;
        }
        m_frame.push_back(event);
        return;
    }
    switch (event.code) {
    case SYN_REPORT:
        if (m_dropping) {
            // The kernel's advice: after SYN_DROPPED, everything up to and including the
            // next report is incomplete; then ask the device for its state.
            m_dropping = false;
            resynchronise(out);
        } else {
            applyFrame(out);
        }
        break;
    case SYN_DROPPED:
        m_frame.clear();
        m_dropping = true;
        break;
    default:
        break;
    }
}

void EvdevReader::applyFrame(std::vector<DeviceEvent>& out)
{
    for (const input_event& event : m_frame) {
        if (event.type == EV_KEY) {
            applyKey(event.code, event.value, out);
        } else if (event.type == EV_LED) {
            if (event.code == LED_CAPSL && event.value != 0)
                out.push_back(DeviceEvent{.kind = DeviceEvent::Kind::capsLockLight, .code = LED_CAPSL});
        } else if (event.type == EV_REL) {
            switch (event.code) {
            case REL_WHEEL:
                m_vertical.steps += event.value;
                break;
            case REL_HWHEEL:
                m_horizontal.steps += event.value;
                break;
            case REL_WHEEL_HI_RES:
                m_vertical.highRes += event.value;
                m_vertical.hasHighRes = true;
                break;
            case REL_HWHEEL_HI_RES:
                m_horizontal.highRes += event.value;
                m_horizontal.hasHighRes = true;
                break;
            default:
                break;
            }
        }
    }
    m_frame.clear();
    applyWheel(m_vertical, false, out);
    applyWheel(m_horizontal, true, out);
}

void EvdevReader::applyKey(std::uint16_t code, std::int32_t value, std::vector<DeviceEvent>& out)
{
    if (code >= KEY_CNT)
        return;
    const bool wasHeld = m_held.test(code);
    switch (value) {
    case 0:
        if (!wasHeld)
            return; // a release of a key that is not down
        m_held.reset(code);
        out.push_back(DeviceEvent{.code = code, .action = KeyAction::release});
        return;
    case 1:
    case 2:
        // A repeat of a key not known to be down (held since before a resync failed) is
        // still a key that is down.
        m_held.set(code);
        out.push_back(DeviceEvent{.code = code, .action = wasHeld ? KeyAction::repeat : KeyAction::press});
        return;
    default:
        return;
    }
}

void EvdevReader::applyWheel(Wheel& wheel, bool horizontal, std::vector<DeviceEvent>& out)
{
    // A device with a high-resolution wheel reports both; the whole steps it adds are its
    // own rounding, so only the fine movement counts, summed across frames.
    std::int64_t steps = wheel.steps;
    if (wheel.hasHighRes) {
        if ((wheel.remainder > 0 && wheel.highRes < 0) || (wheel.remainder < 0 && wheel.highRes > 0))
            wheel.remainder = 0; // turning back starts a new step
        wheel.remainder += wheel.highRes;
        steps = wheel.remainder / highResolutionStep;
        wheel.remainder -= steps * highResolutionStep;
    }
    wheel.steps = 0;
    wheel.highRes = 0;
    wheel.hasHighRes = false;
    // Beyond any wheel, and no remainder is kept of it.
    if (steps > maximumWheelSteps || steps < -maximumWheelSteps) {
        steps = std::clamp<std::int64_t>(steps, -maximumWheelSteps, maximumWheelSteps);
        wheel.remainder = 0;
    }
    if (steps != 0)
        out.push_back(
            DeviceEvent{.kind = DeviceEvent::Kind::wheel, .steps = static_cast<int>(steps), .horizontal = horizontal});
}

void EvdevReader::resynchronise(std::vector<DeviceEvent>& out)
{
    m_frame.clear();
    m_vertical = {};
    m_horizontal = {};
    // Without an answer, let go of everything: a key shown down that is up would stay on
    // screen, a key missed is only missed.
    const KeyBits now = (m_queryHeld ? m_queryHeld() : std::nullopt).value_or(KeyBits{});
    for (std::size_t code = 0; code < m_held.size(); ++code) {
        if (m_held.test(code) && !now.test(code)) {
            m_held.reset(code);
            out.push_back(DeviceEvent{.code = static_cast<std::uint16_t>(code), .action = KeyAction::release});
        }
    }
    for (std::size_t code = 0; code < now.size(); ++code) {
        if (now.test(code) && !m_held.test(code)) {
            m_held.set(code);
            out.push_back(DeviceEvent{.code = static_cast<std::uint16_t>(code), .action = KeyAction::press});
        }
    }
}

void EvdevReader::unplug(std::vector<DeviceEvent>& out)
{
    m_frame.clear();
    m_partial.clear();
    m_dropping = false;
    m_vertical = {};
    m_horizontal = {};
    for (std::size_t code = 0; code < m_held.size(); ++code) {
        if (m_held.test(code))
            out.push_back(DeviceEvent{.code = static_cast<std::uint16_t>(code), .action = KeyAction::release});
    }
    m_held.reset();
}

} // namespace kestrel::evdev
