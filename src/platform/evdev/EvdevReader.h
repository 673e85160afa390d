#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include <linux/input.h>

namespace kestrel::evdev {

// What a key or button did, as the kernel numbers it in an EV_KEY event's value.
enum class KeyAction : std::uint8_t { release = 0, press = 1, repeat = 2 };

// The most wheel steps one frame reports: a wheel spun hard gives a few; a device that
// claims millions is broken or lying, and is taken at this.
inline constexpr int maximumWheelSteps = 20;

// One thing a device reported, once checked against what it holds.
struct DeviceEvent {
    // capsLockLight: a keyboard showed its Caps Lock light lit (as it was opened).
    enum class Kind : std::uint8_t { key, wheel, capsLockLight };
    Kind kind = Kind::key;
    std::uint16_t code = 0; // key: the evdev key or button code
    KeyAction action = KeyAction::press;
    int steps = 0;           // wheel: whole steps, up or right positive
    bool horizontal = false; // wheel: the horizontal wheel
};

// Which keys and buttons a device holds: bit n is evdev code n.
using KeyBits = std::bitset<KEY_CNT>;

// Reads one evdev device from a file descriptor: a device node, or a pipe carrying the same
// records in tests. It frames events by SYN_REPORT, so a half-delivered frame is never acted
// on; it keeps what the device holds, so a press of a held key is a repeat and a release of
// a key that is not down is dropped; it resynchronises after the kernel dropped events
// (SYN_DROPPED) by asking the device what it holds; and it turns high-resolution wheel
// movement into whole steps. Nothing here blocks: it reads what the descriptor has.
class EvdevReader {
public:
    // What the device holds now (EVIOCGKEY); nothing when it cannot be asked (a pipe).
    using KeyStateQuery = std::function<std::optional<KeyBits>()>;

    enum class Status : std::uint8_t {
        open,   // read all there was; more may come
        closed, // the device is gone (end of file, or ENODEV when unplugged)
    };

    explicit EvdevReader(KeyStateQuery queryHeld = {});

    // Takes over what the device holds when listening starts, reporting nothing; returns
    // the codes held, so the caller can count held modifiers as held.
    std::vector<std::uint16_t> adoptHeld();

    // Reads everything `fd` (non-blocking) has and appends what it says to `out`. When the
    // device is gone, `out` also gets the release of everything it held.
    Status readFrom(int fd, std::vector<DeviceEvent>& out);
    // Takes raw bytes as read from the device; any split into chunks gives the same events.
    void feed(std::span<const std::byte> bytes, std::vector<DeviceEvent>& out);
    // The device is gone: releases everything it held.
    void unplug(std::vector<DeviceEvent>& out);

    bool isHeld(std::uint16_t code) const { return code < KEY_CNT && m_held.test(code); }

private:
    void take(const input_event& event, std::vector<DeviceEvent>& out);
    void applyFrame(std::vector<DeviceEvent>& out);
    void resynchronise(std::vector<DeviceEvent>& out);
    void applyKey(std::uint16_t code, std::int32_t value, std::vector<DeviceEvent>& out);

    struct Wheel {
        std::int64_t steps = 0;   // REL_WHEEL or REL_HWHEEL in this frame
        std::int64_t highRes = 0; // REL_*_HI_RES in this frame, in 1/120 steps
        bool hasHighRes = false;
        std::int64_t remainder = 0; // high-resolution movement not yet a whole step
    };
    void applyWheel(Wheel& wheel, bool horizontal, std::vector<DeviceEvent>& out);

    KeyStateQuery m_queryHeld;
    KeyBits m_held;
    std::vector<std::byte> m_partial; // the start of a record not yet complete
    std::vector<input_event> m_frame; // events since the last SYN_REPORT
    bool m_dropping = false;          // after SYN_DROPPED, until the next SYN_REPORT
    Wheel m_vertical;
    Wheel m_horizontal;
};

} // namespace kestrel::evdev
