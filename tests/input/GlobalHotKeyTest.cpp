#include "input/GlobalHotKey.h"

#include "support/FakeHotKeyService.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(GlobalHotKey, TheToggleCombinationAndItsTextDescribeTheSameKeys)
{
    EXPECT_EQ(ToggleHotKey::modifiers, 0x1900u);
    EXPECT_EQ(ToggleHotKey::identifier, (HotKeyIdentifier{0x4B535452, 1}));
    EXPECT_EQ(hotKeyText(ToggleHotKey::keyCode, ToggleHotKey::modifiers), ToggleHotKey::text);
    EXPECT_EQ(hotKeyText(76, HotKeyModifier::shift | HotKeyModifier::command), "⇧⌘⌤");
    EXPECT_EQ(hotKeyText(0, HotKeyModifier::command), "") << "a layout key has no fixed symbol";
}

TEST(GlobalHotKey, RunsItsActionOnceForEveryPressOfTheExactCombination)
{
    test::FakeHotKeyService service;
    int presses = 0;
    GlobalHotKey hotKey{service, ToggleHotKey::keyCode, ToggleHotKey::modifiers, [&] { ++presses; }};
    ASSERT_TRUE(hotKey.isRegistered());
    const auto& entry = service.entries().begin()->second;
    EXPECT_EQ(entry.keyCode, 36u);
    EXPECT_EQ(entry.identifier, ToggleHotKey::identifier);

    service.press(36, 0x1900);
    service.press(36, 0x1900);
    service.press(36, HotKeyModifier::control | HotKeyModifier::option); // without Command
    service.press(76, 0x1900);                                           // keypad Enter
    EXPECT_EQ(presses, 2);
}

TEST(GlobalHotKey, StaysSilentWhenTheCombinationIsTakenAndLetsGoWhenDestroyed)
{
    test::FakeHotKeyService service;
    service.refuse = true;
    {
        GlobalHotKey taken{service, 36, 0x1900, [] { FAIL() << "a refused hot key never fires"; }};
        EXPECT_FALSE(taken.isRegistered());
        service.press(36, 0x1900);
    }
    service.refuse = false;
    {
        GlobalHotKey hotKey{service, 36, 0x1900, [] {}};
        EXPECT_EQ(service.entries().size(), 1u);
    }
    EXPECT_TRUE(service.entries().empty());
}

} // namespace
} // namespace kestrel
