#include "platform/evdev/EvdevDecoder.h"
#include "platform/evdev/XkbKeyboard.h"

#include "input/EventRecords.h"
#include "platform/keys/KeyCodeMap.h"

#include <gtest/gtest.h>

namespace kestrel::evdev {
namespace {

// A seat typed on through Kestrel's decoder, with what it reports collected.
struct Seat {
    explicit Seat(XkbKeyboard::Names names) : keyboard(XkbKeyboard::fromNames(names))
    {
        EXPECT_TRUE(keyboard) << "xkbcommon has no keymap for " << names.layout;
        if (keyboard)
            decoder.emplace(*keyboard);
    }

    std::vector<PlatformEvent> key(std::uint16_t code, KeyAction action)
    {
        std::vector<PlatformEvent> out;
        decoder->decode(DeviceEvent{.code = code, .action = action}, out);
        return out;
    }
    std::vector<PlatformEvent> down(std::uint16_t code) { return key(code, KeyAction::press); }
    std::vector<PlatformEvent> up(std::uint16_t code) { return key(code, KeyAction::release); }
    // The text a tap of the key shows.
    std::optional<std::string> textOf(std::uint16_t code)
    {
        const auto pressed = down(code);
        up(code);
        EXPECT_EQ(pressed.size(), 1u);
        return pressed.empty() ? std::nullopt : pressed.front().layoutText;
    }

    std::unique_ptr<XkbKeyboard> keyboard;
    std::optional<EvdevDecoder> decoder;
};

TEST(EvdevDecoder, KeysCarryTheirTextOnTheLayoutWithOnlyShiftApplied)
{
    Seat us({.rules = "evdev", .model = "pc105", .layout = "us"});
    ASSERT_TRUE(us.keyboard);
    EXPECT_EQ(us.textOf(KEY_Y), "y");
    us.down(KEY_LEFTSHIFT);
    EXPECT_EQ(us.textOf(KEY_3), "#");
    us.up(KEY_LEFTSHIFT);

    // Control, Alt, Super and caps lock choose no characters; Enter types none.
    us.down(KEY_LEFTCTRL);
    const auto controlC = us.down(KEY_C);
    ASSERT_EQ(controlC.size(), 1u);
    EXPECT_EQ(controlC[0].layoutText, "c");
    EXPECT_EQ(controlC[0].flags & EventFlag::control, EventFlag::control);
    EXPECT_EQ(controlC[0].keyCode, keys::macKeyCode(KEY_C));
    us.up(KEY_C);
    us.up(KEY_LEFTCTRL);
    us.textOf(KEY_CAPSLOCK);
    EXPECT_EQ(us.textOf(KEY_A), "a");
    EXPECT_EQ(us.textOf(KEY_ENTER), std::nullopt);

    Seat de({.rules = "evdev", .model = "pc105", .layout = "de"});
    ASSERT_TRUE(de.keyboard);
    EXPECT_EQ(de.textOf(KEY_Y), "z");
    EXPECT_EQ(de.textOf(KEY_Z), "y");
    EXPECT_EQ(de.textOf(KEY_MINUS), "ß");
    EXPECT_EQ(de.textOf(KEY_EQUAL), "´"); // a dead key shows its accent
    de.down(KEY_LEFTSHIFT);
    EXPECT_EQ(de.textOf(KEY_3), "§");
    EXPECT_EQ(de.textOf(KEY_SEMICOLON), "Ö");
}

TEST(EvdevDecoder, ModifiersAreFlagsChangedEventsAndHeldKeysRepeat)
{
    Seat seat({.layout = "us"});
    ASSERT_TRUE(seat.keyboard);
    const auto shift = seat.down(KEY_LEFTSHIFT);
    ASSERT_EQ(shift.size(), 1u);
    EXPECT_EQ(shift[0].type, EventType::flagsChanged);
    EXPECT_EQ(shift[0].keyCode, 56);
    EXPECT_EQ(shift[0].flags, EventFlag::shift);

    const auto first = seat.down(KEY_K);
    const auto again = seat.key(KEY_K, KeyAction::repeat);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(first[0].autorepeat, 0);
    EXPECT_EQ(again[0].autorepeat, 1);
    EXPECT_EQ(again[0].layoutText, "K");
    const auto released = seat.up(KEY_K);
    ASSERT_EQ(released.size(), 1u);
    EXPECT_EQ(released[0].type, EventType::keyUp);
    EXPECT_EQ(seat.up(KEY_LEFTSHIFT)[0].flags, 0u);

    // A modifier held when listening started counts, without an event of its own.
    Seat held({.layout = "us"});
    held.decoder->adopt(KEY_RIGHTMETA);
    EXPECT_EQ(held.down(KEY_Q)[0].flags & EventFlag::command, EventFlag::command);
}

TEST(EvdevDecoder, CapsLockFoundLitAtStartIsOnUntilItsFirstPressTurnsItOff)
{
    Seat seat({.layout = "us"});
    ASSERT_TRUE(seat.keyboard);
    std::vector<PlatformEvent> out;
    seat.decoder->decode(DeviceEvent{.kind = DeviceEvent::Kind::capsLockLight, .code = LED_CAPSL}, out);
    EXPECT_TRUE(out.empty()) << "taken silently";
    EXPECT_EQ(seat.down(KEY_A)[0].flags & EventFlag::capsLock, EventFlag::capsLock);
    seat.up(KEY_A);

    const auto off = seat.down(KEY_CAPSLOCK);
    ASSERT_EQ(off.size(), 1u);
    EXPECT_EQ(off[0].type, EventType::flagsChanged);
    EXPECT_EQ(off[0].flags & EventFlag::capsLock, 0u) << "the first press turns it off";
    seat.up(KEY_CAPSLOCK);
    // A keyboard plugged in later with a stale light changes nothing: the presses decide.
    seat.decoder->adoptCapsLockLight();
    EXPECT_EQ(seat.down(KEY_CAPSLOCK)[0].flags & EventFlag::capsLock, EventFlag::capsLock);
}

TEST(EvdevDecoder, LayoutSwitchesAreFollowedFromTheKeysAndFromTheDesktop)
{
    Seat seat({.rules = "evdev", .model = "pc105", .layout = "us,de", .options = "grp:alt_shift_toggle"});
    ASSERT_TRUE(seat.keyboard);
    EXPECT_EQ(seat.keyboard->layoutCount(), 2u);
    EXPECT_EQ(seat.textOf(KEY_Y), "y");
    // Alt+Shift switches to the second layout, as the desktop's keymap binds it.
    seat.down(KEY_LEFTALT);
    seat.down(KEY_LEFTSHIFT);
    seat.up(KEY_LEFTSHIFT);
    seat.up(KEY_LEFTALT);
    EXPECT_EQ(seat.keyboard->activeLayout(), 1u);
    EXPECT_EQ(seat.textOf(KEY_Y), "z");

    // A desktop that switches by itself says so.
    seat.keyboard->setActiveLayout(0);
    EXPECT_EQ(seat.textOf(KEY_Y), "y");
    seat.keyboard->setActiveLayout(7); // no such layout
    EXPECT_EQ(seat.keyboard->activeLayout(), 0u);
    EXPECT_EQ(seat.keyboard->layoutName(1), "German");
}

TEST(EvdevDecoder, MouseButtonsAreClicksAndEachWheelStepIsAScroll)
{
    Seat seat({.layout = "us"});
    ASSERT_TRUE(seat.keyboard);
    auto one = [&](const DeviceEvent& event) {
        std::vector<PlatformEvent> out;
        seat.decoder->decode(event, out);
        return out;
    };
    EXPECT_EQ(seat.down(BTN_LEFT)[0].type, EventType::leftMouseDown);
    EXPECT_EQ(seat.up(BTN_LEFT)[0].type, EventType::leftMouseUp);
    EXPECT_EQ(seat.down(BTN_RIGHT)[0].type, EventType::rightMouseDown);
    const auto middle = seat.down(BTN_MIDDLE);
    EXPECT_EQ(middle[0].type, EventType::otherMouseDown);
    EXPECT_EQ(middle[0].buttonNumber, 2);
    EXPECT_EQ(seat.down(BTN_SIDE)[0].buttonNumber, 3);
    EXPECT_EQ(seat.down(BTN_EXTRA)[0].buttonNumber, 4);
    // The same button of a second mouse, and touchpad tools, show nothing.
    EXPECT_TRUE(seat.down(BTN_SIDE).empty());
    EXPECT_TRUE(seat.down(BTN_TOOL_FINGER).empty());
    EXPECT_TRUE(seat.down(BTN_TOUCH).empty());

    seat.down(KEY_LEFTCTRL);
    const auto down = one(DeviceEvent{.kind = DeviceEvent::Kind::wheel, .steps = -2});
    ASSERT_EQ(down.size(), 2u);
    for (const PlatformEvent& step : down) {
        EXPECT_EQ(step.type, EventType::scrollWheel);
        EXPECT_EQ(step.scrollDeltaAxis1, -1.0);
        EXPECT_EQ(step.scrollDeltaAxis2, 0.0);
        EXPECT_EQ(step.flags, EventFlag::control);
    }
    const auto right = one(DeviceEvent{.kind = DeviceEvent::Kind::wheel, .steps = 1, .horizontal = true});
    ASSERT_EQ(right.size(), 1u);
    EXPECT_EQ(right[0].scrollDeltaAxis2, -1.0); // left is positive
}

} // namespace
} // namespace kestrel::evdev
