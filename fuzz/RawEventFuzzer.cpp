// What the X server sends on Kestrel's input connection, as a broken or hostile server might
// send it: XInput 2 raw key and button events, XKB state and keymap notices, mapping notices
// and garbage, whole or cut short, with any key and button numbers. Decoding must never read
// past an event, and only valid platform events may come out; once the display is let go,
// nothing may stay held.

#include "common/UnicodeText.h"
#include "input/EventRecords.h"
#include "platform/keys/KeyCodeMap.h"
#include "platform/x11/RawEventDecoder.h"
#include "platform/x11/X11Keyboard.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

namespace {

using namespace kestrel;
using namespace kestrel::x11;

constexpr std::uint8_t xkbFirstEvent = 85;
constexpr std::uint8_t inputOpcode = 131;
constexpr std::int32_t keyboardDevice = 3;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "raw event fuzzer: %s\n", what);
    std::abort();
}

// A US keymap, compiled once: each input gets a fresh keyboard state on it.
xkb_keymap* usKeymap()
{
    static xkb_keymap* keymap = [] {
        xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        const xkb_rule_names names{.rules = "evdev", .model = "pc105", .layout = "us"};
        xkb_keymap* compiled =
            context ? xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS) : nullptr;
        xkb_context_unref(context);
        if (!compiled)
            fail("no US keymap (is xkb-data installed?)");
        return compiled;
    }();
    return keymap;
}

void check(const PlatformEvent& event)
{
    constexpr std::uint64_t knownFlags =
        EventFlag::capsLock | EventFlag::shift | EventFlag::control | EventFlag::option | EventFlag::command;
    if ((event.flags & ~knownFlags) != 0)
        fail("unknown flag bits");
    const auto isKeyCode = [](std::int64_t code) {
        return (code >= 0 && code < 0x80) || (code >= keys::unmappedKeyBase && code < keys::unmappedKeyBase + 248);
    };
    switch (event.type) {
    case EventType::keyDown:
        if (event.layoutText) {
            const auto scalars = unicode::decodeUtf8(*event.layoutText);
            if (!scalars)
                fail("layout text is not UTF-8");
            for (char32_t scalar : *scalars) {
                if (scalar < 0x20 || scalar == 0x7f)
                    fail("layout text holds a control character");
            }
        }
        [[fallthrough]];
    case EventType::keyUp:
        if (!isKeyCode(event.keyCode) || event.autorepeat < 0 || event.autorepeat > 1)
            fail("a key event with an impossible key code or repeat");
        break;
    case EventType::flagsChanged:
        if (event.keyCode < 54 || event.keyCode > 63)
            fail("a modifier change names no modifier key");
        break;
    case EventType::leftMouseDown:
    case EventType::leftMouseUp:
    case EventType::rightMouseDown:
    case EventType::rightMouseUp:
        break;
    case EventType::otherMouseDown:
    case EventType::otherMouseUp:
        if (event.buttonNumber < 2 || event.buttonNumber > 4)
            fail("an other button that is none of middle, back, forward");
        break;
    case EventType::scrollWheel:
        if (std::abs(event.scrollDeltaAxis1) + std::abs(event.scrollDeltaAxis2) != 1.0)
            fail("a scroll event that is not one step on one axis");
        break;
    default:
        fail("an event of an unknown type");
    }
    if (event.type != EventType::keyDown && event.layoutText)
        fail("layout text on something other than a key-down");
}

// One event as xcb would hand it out, or cut short, or garbage.
std::vector<std::uint8_t> nextEvent(FuzzedDataProvider& input)
{
    std::vector<std::uint8_t> bytes;
    const auto put = [&](const auto& event) {
        bytes.resize(sizeof event);
        std::memcpy(bytes.data(), &event, sizeof event);
    };
    switch (input.ConsumeIntegralInRange(0, 7)) {
    case 0:
    case 1:
    case 2:
    case 3: {
        static constexpr std::uint16_t rawTypes[]{XCB_INPUT_RAW_KEY_PRESS, XCB_INPUT_RAW_KEY_RELEASE,
                                                  XCB_INPUT_RAW_BUTTON_PRESS, XCB_INPUT_RAW_BUTTON_RELEASE};
        xcb_input_raw_key_press_event_t raw{};
        raw.response_type = XCB_GE_GENERIC;
        raw.extension = input.ConsumeIntegralInRange(0, 15) == 0 ? input.ConsumeIntegral<std::uint8_t>() : inputOpcode;
        raw.event_type = rawTypes[input.ConsumeIntegralInRange(0, 3)];
        raw.time = input.ConsumeIntegral<std::uint32_t>();
        raw.detail = input.ConsumeBool() ? input.ConsumeIntegralInRange<std::uint32_t>(0, 260)
                                         : input.ConsumeIntegral<std::uint32_t>();
        raw.length = input.ConsumeIntegralInRange<std::uint32_t>(0, 8);
        put(raw);
        bytes.resize(RawEventDecoder::eventSize(reinterpret_cast<const xcb_generic_event_t*>(bytes.data())));
        break;
    }
    case 4: {
        xcb_xkb_state_notify_event_t state{};
        state.response_type = xkbFirstEvent;
        state.xkbType = XCB_XKB_STATE_NOTIFY;
        state.deviceID =
            input.ConsumeIntegralInRange(0, 7) == 0 ? input.ConsumeIntegral<std::uint8_t>() : keyboardDevice;
        state.baseMods = input.ConsumeIntegral<std::uint8_t>();
        state.latchedMods = input.ConsumeIntegral<std::uint8_t>();
        state.lockedMods = input.ConsumeIntegral<std::uint8_t>();
        state.group = input.ConsumeIntegral<std::uint8_t>();
        put(state);
        break;
    }
    case 5: {
        xcb_xkb_state_notify_event_t notice{}; // the header all XKB events share
        notice.response_type = xkbFirstEvent;
        notice.xkbType = input.ConsumeBool() ? XCB_XKB_NEW_KEYBOARD_NOTIFY : XCB_XKB_MAP_NOTIFY;
        notice.deviceID = keyboardDevice;
        put(notice);
        break;
    }
    case 6: {
        xcb_mapping_notify_event_t mapping{};
        mapping.response_type = XCB_MAPPING_NOTIFY;
        mapping.request = input.ConsumeIntegralInRange<std::uint8_t>(0, 2);
        put(mapping);
        break;
    }
    default:
        bytes = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange(0, 80));
        return bytes; // garbage, at any length
    }
    // Sometimes cut short, as a server lying about lengths would leave it.
    if (input.ConsumeIntegralInRange(0, 15) == 0)
        bytes.resize(input.ConsumeIntegralInRange<std::size_t>(0, bytes.size()));
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    X11Keyboard keyboard(xkbFirstEvent, keyboardDevice, [] {
        return X11Keyboard::Snapshot{xkb_keymap_ref(usKeymap()), keys::RealModifierMasks{}, std::nullopt};
    });
    RawEventDecoder decoder(keyboard, inputOpcode);
    bool grabbed = false;
    decoder.isTypedIntoGrab = [&](xcb_timestamp_t, xcb_keycode_t) { return grabbed; };
    decoder.onPointerMappingChanged = [&] {
        decoder.setPointerMapping(input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange(0, 12)));
    };

    // What Kestrel's monitors believe is down, from the events alone.
    std::set<std::int64_t> keysDown;
    std::multiset<std::uint32_t> buttonsDown; // by the type of their release
    std::uint64_t flags = 0;
    const auto follow = [&](const PlatformEvent& event) {
        check(event);
        flags = event.flags;
        switch (event.type) {
        case EventType::keyDown:
            keysDown.insert(event.keyCode);
            break;
        case EventType::keyUp:
            keysDown.erase(event.keyCode);
            break;
        case EventType::leftMouseDown:
        case EventType::rightMouseDown:
        case EventType::otherMouseDown:
            buttonsDown.insert(event.type + 1);
            break;
        case EventType::leftMouseUp:
        case EventType::rightMouseUp:
        case EventType::otherMouseUp:
            if (const auto down = buttonsDown.find(event.type); down != buttonsDown.end())
                buttonsDown.erase(down);
            break;
        default:
            break;
        }
    };
    for (int count = 0; count < 512 && input.remaining_bytes() > 0; ++count) {
        grabbed = input.ConsumeIntegralInRange(0, 7) == 0;
        const std::vector<std::uint8_t> event = nextEvent(input);
        // Exactly as long as the event, so that reading one byte past it is caught.
        const auto copy = std::make_unique<std::uint8_t[]>(event.size());
        if (!event.empty())
            std::memcpy(copy.get(), event.data(), event.size());
        for (const PlatformEvent& decoded : decoder.decode(copy.get(), event.size()))
            follow(decoded);
    }
    for (const PlatformEvent& released : decoder.releaseAll()) {
        if (released.type == EventType::keyDown || released.type == EventType::leftMouseDown ||
            released.type == EventType::rightMouseDown || released.type == EventType::otherMouseDown ||
            released.type == EventType::scrollWheel)
            fail("letting go pressed something");
        follow(released);
    }
    if (!keysDown.empty() || !buttonsDown.empty())
        fail("a key or button is still down after the display was let go");
    if ((flags & ~EventFlag::capsLock) != 0)
        fail("a modifier is still held after the display was let go");
    return 0;
}
