// The kernel's input records, as Kestrel reads them from keyboards and mice: any bytes, cut
// anywhere, with dropped events and a device that answers anything when asked what it holds.
// Whatever comes, every key and button shown down is let go of once the device is unplugged,
// and every event is one the monitors can read.

#include "input/EventRecords.h"
#include "platform/evdev/EvdevDecoder.h"
#include "platform/evdev/EvdevReader.h"
#include "platform/evdev/XkbKeyboard.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <memory>
#include <set>

namespace {

using namespace kestrel;
using namespace kestrel::evdev;

// Compiled once; each input gets a keyboard of its own with nothing held, so a finding
// replays alone.
std::unique_ptr<XkbKeyboard> freshKeyboard()
{
    static const auto us = XkbKeyboard::fromNames(
        {.rules = "evdev", .model = "pc105", .layout = "us,de", .options = "grp:alt_shift_toggle"});
    if (!us)
        std::abort();
    return us->freshCopy();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    KeyBits answer;
    EvdevReader reader([&]() -> std::optional<KeyBits> {
        if (input.ConsumeBool())
            return std::nullopt;
        for (int i = input.ConsumeIntegralInRange(0, 4); i > 0; --i)
            answer.flip(input.ConsumeIntegralInRange<std::size_t>(0, answer.size() - 1));
        return answer;
    });
    const auto keyboard = freshKeyboard();
    EvdevDecoder decoder(*keyboard);

    // By key code; several evdev keys share one (F14 and brightness down), so a multiset.
    std::multiset<std::int64_t> keysDown;
    std::multiset<std::uint32_t> buttonsDown; // by the type of their release
    std::uint64_t flags = 0;
    const auto follow = [&](const DeviceEvent& event) {
        std::vector<PlatformEvent> out;
        decoder.decode(event, out);
        for (const PlatformEvent& each : out) {
            flags = each.flags;
            switch (each.type) {
            case EventType::keyDown:
                if (each.autorepeat == 0)
                    keysDown.insert(each.keyCode);
                break;
            case EventType::keyUp:
                if (const auto found = keysDown.find(each.keyCode); found != keysDown.end())
                    keysDown.erase(found);
                else
                    std::abort(); // a key let go of that was never shown down
                break;
            case EventType::leftMouseDown:
            case EventType::rightMouseDown:
            case EventType::otherMouseDown:
                buttonsDown.insert(each.type + 1);
                break;
            case EventType::leftMouseUp:
            case EventType::rightMouseUp:
            case EventType::otherMouseUp:
                if (const auto found = buttonsDown.find(each.type); found != buttonsDown.end())
                    buttonsDown.erase(found);
                else
                    std::abort();
                break;
            case EventType::scrollWheel:
                if (each.scrollDeltaAxis1 * each.scrollDeltaAxis1 + each.scrollDeltaAxis2 * each.scrollDeltaAxis2 != 1)
                    std::abort(); // one step at a time
                break;
            case EventType::flagsChanged:
                break;
            default:
                std::abort();
            }
        }
    };

    while (input.remaining_bytes() > 0) {
        const auto chunk = input.ConsumeBytes<std::byte>(input.ConsumeIntegralInRange<std::size_t>(0, 60));
        std::vector<DeviceEvent> events;
        reader.feed(chunk, events);
        for (const DeviceEvent& event : events)
            follow(event);
    }
    std::vector<DeviceEvent> released;
    reader.unplug(released);
    for (const DeviceEvent& event : released)
        follow(event);
    // Unplugged, nothing is left down but a locked caps lock.
    if (!keysDown.empty() || !buttonsDown.empty() || (flags & ~EventFlag::capsLock) != 0)
        std::abort();
    return 0;
}
