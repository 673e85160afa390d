#include "platform/keys/KeyCodeMap.h"
#include "platform/keys/KeyboardTracker.h"
#include "platform/keys/LayoutText.h"

#include "input/EventRecords.h"

#include <gtest/gtest.h>

namespace kestrel::keys {
namespace {

TEST(KeyCodeMap, EvdevCodesBecomeMacKeyCodes)
{
    struct Row {
        std::uint32_t evdev;
        std::int64_t mac;
        const char* key;
    };
    const std::vector<Row> rows{
        {30, 0, "A"},
        {44, 6, "Z"},
        {46, 8, "C"},
        {37, 40, "K"},
        {2, 18, "1"},
        {11, 29, "0"},
        {12, 27, "minus"},
        {53, 44, "slash"},
        {86, 10, "ISO extra"},
        {28, 36, "Return"},
        {15, 48, "Tab"},
        {57, 49, "Space"},
        {14, 51, "Backspace"},
        {1, 53, "Escape"},
        {111, 117, "Delete"},
        {110, 114, "Insert"},
        {29, 59, "Ctrl L"},
        {97, 62, "Ctrl R"},
        {42, 56, "Shift L"},
        {54, 60, "Shift R"},
        {56, 58, "Alt L"},
        {100, 61, "Alt R"},
        {125, 55, "Super L"},
        {126, 54, "Super R"},
        {58, 57, "Caps Lock"},
        {59, 122, "F1"},
        {68, 109, "F10"},
        {87, 103, "F11"},
        {88, 111, "F12"},
        {183, 105, "F13"},
        {190, 90, "F20"},
        {82, 82, "KP0"},
        {73, 92, "KP9"},
        {78, 69, "KP+"},
        {96, 76, "KP Enter"},
        {69, 71, "NumLock"},
        {102, 115, "Home"},
        {107, 119, "End"},
        {104, 116, "Page Up"},
        {109, 121, "Page Down"},
        {105, 123, "Left"},
        {106, 124, "Right"},
        {103, 126, "Up"},
        {108, 125, "Down"},
        {70, 0x10000 + 70, "Scroll Lock: no macOS key"},
        {99, 0x10000 + 99, "Print"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(macKeyCode(row.evdev), row.mac) << row.key;
        if (row.mac != 114) { // Help and Insert share a key code
            EXPECT_EQ(evdevCodeForMacKeyCode(row.mac), row.evdev) << row.key;
        }
    }
    EXPECT_EQ(evdevCode(36), 28u) << "X keycodes are evdev codes plus 8";
}

PlatformEvent expectOne(std::optional<PlatformEvent> event)
{
    EXPECT_TRUE(event.has_value());
    return event.value_or(PlatformEvent{});
}

TEST(KeyboardTracker, ModifierKeysBecomeFlagChangesWithTheRebuiltFlagWord)
{
    KeyboardTracker tracker;
    auto event = expectOne(tracker.press(125, KeyRole::leftCommand, std::nullopt));
    EXPECT_EQ(event.type, EventType::flagsChanged);
    EXPECT_EQ(event.keyCode, 55);
    EXPECT_EQ(event.flags, EventFlag::command);

    event = expectOne(tracker.press(37, KeyRole::ordinary, "k"));
    EXPECT_EQ(event.type, EventType::keyDown);
    EXPECT_EQ(event.keyCode, 40);
    EXPECT_EQ(event.flags, EventFlag::command);
    EXPECT_EQ(event.layoutText, "k");

    event = expectOne(tracker.press(97, KeyRole::rightControl, std::nullopt));
    EXPECT_EQ(event.keyCode, 62);
    EXPECT_EQ(event.flags, EventFlag::command | EventFlag::control);

    // The key a layout made Control reports Control, wherever it sits.
    event = expectOne(tracker.press(58, KeyRole::leftControl, std::nullopt));
    EXPECT_EQ(event.keyCode, 59);
    event = expectOne(tracker.release(97));
    EXPECT_EQ(event.flags, EventFlag::command | EventFlag::control) << "the other Control key is still down";
    event = expectOne(tracker.release(58));
    EXPECT_EQ(event.flags, EventFlag::command);
}

TEST(KeyboardTracker, DuplicateReleasesAreDroppedAndSecondPressesAreRepeats)
{
    KeyboardTracker tracker;
    EXPECT_FALSE(tracker.release(30)) << "a key pressed before we listened";
    EXPECT_EQ(expectOne(tracker.press(30, KeyRole::ordinary, "a")).autorepeat, 0);
    EXPECT_EQ(expectOne(tracker.press(30, KeyRole::ordinary, "a")).autorepeat, 1);
    EXPECT_EQ(expectOne(tracker.release(30)).type, EventType::keyUp);
    EXPECT_FALSE(tracker.release(30));
    EXPECT_FALSE(tracker.isHoldingOrdinaryKeys());

    EXPECT_TRUE(tracker.press(42, KeyRole::leftShift, std::nullopt));
    EXPECT_FALSE(tracker.press(42, KeyRole::leftShift, std::nullopt)) << "a held modifier changes no flags";
}

TEST(KeyboardTracker, CapsLockReportsTheStateEachPressLeadsTo)
{
    KeyboardTracker tracker;
    auto event = expectOne(tracker.press(58, KeyRole::capsLock, std::nullopt));
    EXPECT_EQ(event.keyCode, 57);
    EXPECT_EQ(event.flags, EventFlag::capsLock);
    EXPECT_FALSE(tracker.release(58));
    event = expectOne(tracker.press(58, KeyRole::capsLock, std::nullopt));
    EXPECT_EQ(event.flags, 0u);

    // The server's word wins: caps lock switched on elsewhere shows in the next key-down.
    tracker.reconcileModifiers(0, {}, true);
    EXPECT_EQ(expectOne(tracker.press(30, KeyRole::ordinary, "a")).flags, EventFlag::capsLock);
}

TEST(KeyboardTracker, AltGrChoosesCharactersButIsNoModifier)
{
    KeyboardTracker tracker;
    EXPECT_FALSE(tracker.press(100, KeyRole::levelThree, std::nullopt));
    const auto event = expectOne(tracker.press(16, KeyRole::ordinary, "@"));
    EXPECT_EQ(event.flags, 0u);
    EXPECT_EQ(event.layoutText, "@");
    EXPECT_FALSE(tracker.release(100));
}

TEST(KeyboardTracker, ReconcilingReleasesWhatTheServerNoLongerHolds)
{
    KeyboardTracker tracker;
    const RealModifierMasks masks; // Mod1 Alt, Mod4 Super
    tracker.press(29, KeyRole::leftControl, std::nullopt);
    tracker.press(125, KeyRole::leftCommand, std::nullopt);
    tracker.press(30, KeyRole::ordinary, "a");

    EXPECT_TRUE(tracker.reconcileModifiers(0x04 | 0x40, masks, false).empty()) << "both still held";
    const auto released = tracker.reconcileModifiers(0x40, masks, false);
    ASSERT_EQ(released.size(), 1u);
    EXPECT_EQ(released[0].type, EventType::flagsChanged);
    EXPECT_EQ(released[0].flags, EventFlag::command);

    const auto keys = tracker.reconcileKeys([](std::uint32_t code) { return code != 30; });
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].type, EventType::keyUp);
    EXPECT_EQ(keys[0].keyCode, 0);
}

TEST(RealModifierMasks, FollowTheKeysOnEachModifierRow)
{
    // Rows Shift, Lock, Control, Mod1…Mod5, two keycodes each; Super has moved to Mod3.
    const std::uint8_t rows[16] = {50, 62, 66, 0, 37, 105, 64, 108, 77, 0, 133, 134, 0, 0, 92, 0};
    const auto keysymOf = [](std::uint8_t keycode) -> std::uint32_t {
        switch (keycode) {
        case 64:
            return 0xffe9; // Alt_L
        case 108:
            return 0xffea; // Alt_R
        case 77:
            return 0xff7f; // Num_Lock
        case 133:
            return 0xffeb; // Super_L
        case 134:
            return 0xffec; // Super_R
        case 92:
            return 0xfe03; // ISO_Level3_Shift: no modifier of Kestrel's
        default:
            return 0;
        }
    };
    const RealModifierMasks masks = realModifierMasks(rows, 2, keysymOf);
    EXPECT_EQ(masks.option, 0x08);
    EXPECT_EQ(masks.numLock, 0x10);
    EXPECT_EQ(masks.command, 0x20);
    EXPECT_EQ(masks.control, 0x04);
}

TEST(LayoutText, ControlCharactersGiveNothingAndDeadKeysTheirAccent)
{
    EXPECT_EQ(layoutText("a", 0x61), "a");
    EXPECT_EQ(layoutText("ß", 0xdf), "ß");
    for (const char* control : {"\r", "\t", "\b", "\x1b", "\x7f"})
        EXPECT_EQ(layoutText(control, 0), std::nullopt);
    EXPECT_EQ(layoutText("", 0xfe51), "´") << "dead_acute";
    EXPECT_EQ(layoutText("", 0xfe50), "`") << "dead_grave";
    EXPECT_EQ(layoutText("", 0xfe52), "^") << "dead_circumflex";
    EXPECT_EQ(layoutText("", 0xfe57), "¨") << "dead_diaeresis";
    EXPECT_EQ(layoutText("", 0xfe53), "~") << "dead_tilde";
    EXPECT_EQ(layoutText("", 0xffbe), std::nullopt) << "F1 types nothing";
}

} // namespace
} // namespace kestrel::keys
