#include "input/GlobalHotKey.h"

#include "support/FakeHotKeyService.h"

#include <gtest/gtest.h>

#include <memory>

namespace kestrel {
namespace {

TEST(GlobalHotKey, TheToggleCombinationAndItsTextDescribeTheSameKeys)
{
    EXPECT_EQ(hotKeyText(ToggleHotKey::keyCode, ToggleHotKey::modifiers), ToggleHotKey::text);
    EXPECT_EQ(hotKeyText(76, HotKeyModifier::shift | HotKeyModifier::command), "⇧⌘⌤");
    EXPECT_EQ(hotKeyText(0, HotKeyModifier::command), "") << "a layout key has no fixed symbol";
}

// Which presses match is the hot-key service's business (the X11 tests press near misses on
// a real server); the hot key registers its combination and runs its action once per press.
TEST(GlobalHotKey, RegistersItsCombinationAndRunsItsActionOncePerPress)
{
    test::FakeHotKeyService service;
    int presses = 0;
    auto hotKey =
        std::make_unique<GlobalHotKey>(service, ToggleHotKey::keyCode, ToggleHotKey::modifiers, [&] { ++presses; });
    ASSERT_TRUE(hotKey->isRegistered());
    ASSERT_EQ(service.entries().size(), 1u);
    const auto entry = service.entries().begin()->second;
    EXPECT_EQ(entry.keyCode, ToggleHotKey::keyCode);
    EXPECT_EQ(entry.modifiers, ToggleHotKey::modifiers);
    EXPECT_EQ(entry.identifier, ToggleHotKey::identifier);

    entry.onPressed();
    entry.onPressed();
    EXPECT_EQ(presses, 2);
    hotKey.reset();
    entry.onPressed(); // a press already on its way when the hot key went
    EXPECT_EQ(presses, 2);
}

TEST(GlobalHotKey, StaysSilentWhenTheCombinationIsTakenAndLetsGoWhenDestroyed)
{
    test::FakeHotKeyService service;
    service.refuse = true;
    {
        GlobalHotKey taken{service, 36, 0x1900, [] {}};
        EXPECT_FALSE(taken.isRegistered());
    }
    EXPECT_TRUE(service.unregistered.empty()) << "a refused hot key let go of a registration not its own";
    service.refuse = false;
    {
        GlobalHotKey hotKey{service, 36, 0x1900, [] {}};
        EXPECT_EQ(service.entries().size(), 1u);
    }
    EXPECT_TRUE(service.entries().empty());
    EXPECT_EQ(service.unregistered.size(), 1u);
}

} // namespace
} // namespace kestrel
