#include "overlay/InputDisplayState.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

using Row = std::vector<std::string>;

// The row as the user sees it: each cap's symbol (its id when it has none), "*" when pressed.
Row row(const InputDisplayState& state)
{
    Row labels;
    for (const Keycap& keycap : state.keycaps)
        labels.push_back((keycap.symbol.empty() ? keycap.id : keycap.symbol) + (keycap.isPressed ? "*" : ""));
    return labels;
}

KeyDown press(std::int64_t keyCode, std::string symbol, ModifierSet modifiers = {}, bool special = false)
{
    return KeyDown{KeyInfo{keyCode, std::move(symbol), std::nullopt, special, std::nullopt}, modifiers, false};
}

struct InputDisplayStateTest : ::testing::Test {
    InputDisplayState state;
    bool showShiftWithCapitals = false;
    bool shortcutsOnly = false;

    void key(const KeyEvent& event) { state.apply(event, showShiftWithCapitals, shortcutsOnly); }
};

constexpr ModifierSet command{Modifier::command};
constexpr ModifierSet shift{Modifier::shift};

TEST_F(InputDisplayStateTest, CommandCShowsACapitalAndReleasesCapByCap)
{
    key(ModifiersChanged{command});
    EXPECT_EQ(row(state), (Row{"⌘*"}));
    key(press(8, "c", command));
    EXPECT_EQ(row(state), (Row{"⌘*", "C*"}));
    EXPECT_EQ(state.keycaps[0].id, "mod-command");
    EXPECT_EQ(state.keycaps[0].shape, KeycapShape::cmd);
    EXPECT_EQ(state.keycaps[1].id, "key-8");
    key(KeyUp{8});
    EXPECT_EQ(row(state), (Row{"⌘*", "C"}));
    key(ModifiersChanged{{}});
    EXPECT_EQ(row(state), (Row{"⌘", "C"}));
    EXPECT_FALSE(state.isHoldingAnything());
}

TEST_F(InputDisplayStateTest, ShiftIsShownOnlyWhereItAddsSomething)
{
    key(ModifiersChanged{shift});
    EXPECT_EQ(row(state), (Row{"⇧*"}));
    key(press(0, "A", shift));
    EXPECT_EQ(row(state), (Row{"A*"})) << "the capital already says Shift";

    showShiftWithCapitals = true;
    key(press(0, "A", shift));
    EXPECT_EQ(row(state), (Row{"⇧*", "A*"}));

    showShiftWithCapitals = false;
    key(press(123, "←", shift, true));
    EXPECT_EQ(row(state), (Row{"⇧*", "←*"})) << "Shift with a special key is part of it";
    EXPECT_EQ(state.keycaps[0].shape, KeycapShape::shift);
    key(press(0, "ß", {Modifier::control}));
    EXPECT_EQ(row(state), (Row{"⌃*", "SS*"})) << "shortcut symbols upper-case in full";
    EXPECT_EQ(state.keycaps[0].shape, KeycapShape::key);

    struct Shaped {
        std::int64_t keyCode;
        KeycapShape shape;
    };
    for (const auto& [keyCode, shape] :
         {Shaped{49, KeycapShape::space}, Shaped{36, KeycapShape::shift}, Shaped{48, KeycapShape::cmd},
          Shaped{51, KeycapShape::cmd}, Shaped{53, KeycapShape::cmd}, Shaped{76, KeycapShape::key}}) {
        key(press(keyCode, "x", {}, true));
        EXPECT_EQ(state.keycaps.back().shape, shape) << keyCode;
    }
}

TEST_F(InputDisplayStateTest, KeyCapsCarryTheKeysNameAndImage)
{
    key(KeyDown{KeyInfo{107, "", "brightness", true, "sun.min"}, {}, false});
    ASSERT_EQ(state.keycaps.size(), 1u);
    EXPECT_EQ(state.keycaps[0].name, "brightness");
    EXPECT_EQ(state.keycaps[0].systemImage, "sun.min");
    key(ModifiersChanged{{Modifier::option}});
    EXPECT_EQ(state.keycaps.size(), 1u);
    key(KeyUp{107});
    key(ModifiersChanged{{Modifier::option, Modifier::control}});
    EXPECT_EQ(state.keycaps[0].name, "control");
    EXPECT_EQ(state.keycaps[1].name, "option");
    key(press(0, "a", {Modifier::shift, Modifier::command}));
    EXPECT_EQ(row(state), (Row{"⇧*", "⌘*", "A*"})) << "and of a shortcut";
}

TEST_F(InputDisplayStateTest, ShortcutsOnlyIgnoresPlainTypingCompletely)
{
    shortcutsOnly = true;
    key(ModifiersChanged{command});
    key(ModifiersChanged{{}});
    const InputDisplayState before = state;
    key(press(0, "a"));
    key(press(0, "A", shift));
    EXPECT_EQ(state, before) << "not the list, not the held modifiers, not the pressed key";

    key(ModifiersChanged{command});
    EXPECT_EQ(row(state), (Row{"⌘*"})) << "a modifier alone still shows";
    key(ModifiersChanged{{}});
    key(press(14, "´", {Modifier::option}));
    EXPECT_EQ(row(state), (Row{"⌥*", "´*"}));
    key(press(53, "⎋", {}, true));
    EXPECT_EQ(row(state), (Row{"⎋*"}));
    EXPECT_EQ(state.keycaps[0].shape, KeycapShape::cmd);
}

TEST_F(InputDisplayStateTest, RepeatsAndForeignReleasesChangeNothing)
{
    key(press(0, "a"));
    key(press(1, "s"));
    const InputDisplayState before = state;
    key(KeyDown{KeyInfo{1, "s"}, {}, true});
    key(KeyUp{0}); // the earlier key of a rolled pair
    EXPECT_EQ(state, before);
    key(KeyUp{1});
    EXPECT_EQ(row(state), (Row{"s"}));
}

TEST_F(InputDisplayStateTest, ModifierChangesRebuildOnlyWhenNothingElseIsHeld)
{
    key(ModifiersChanged{{Modifier::option}});
    key(ModifiersChanged{{Modifier::option, Modifier::control}});
    EXPECT_EQ(row(state), (Row{"⌃*", "⌥*"})) << "display order, not press order";

    key(press(0, "a", {Modifier::option, Modifier::control}));
    key(ModifiersChanged{{Modifier::option, Modifier::control, Modifier::command}});
    EXPECT_EQ(row(state), (Row{"⌃*", "⌥*", "A*"})) << "a key is held: the new modifier is not added";
    key(ModifiersChanged{{Modifier::control}});
    EXPECT_EQ(row(state), (Row{"⌃*", "⌥", "A*"}));
}

TEST_F(InputDisplayStateTest, CapsLockReplacesTheRowWithItsLitCap)
{
    key(ModifiersChanged{command});
    key(CapsLockToggled{true});
    ASSERT_EQ(row(state), (Row{"⇪*"}));
    EXPECT_EQ(state.keycaps[0].id, "caps-lock");
    EXPECT_EQ(state.keycaps[0].indicatorIsOn, true);
    EXPECT_EQ(state.keycaps[0].name, "caps lock");
    EXPECT_EQ(state.keycaps[0].shape, KeycapShape::shift);
    EXPECT_EQ(state.heldModifiers, command) << "held modifiers are untouched";
    key(CapsLockToggled{false});
    EXPECT_EQ(state.keycaps[0].indicatorIsOn, false);
}

TEST_F(InputDisplayStateTest, ButtonsAreListedLeftMiddleRightAndStayWhenReleased)
{
    state.apply(ButtonDown{MouseButton::right, {}});
    state.apply(ButtonDown{MouseButton::left, command});
    EXPECT_EQ(row(state), (Row{"⌘*", "mouse-left click*", "mouse-right click*"}));
    EXPECT_EQ(state.keycaps[1].mouse, MouseGlyph::forButton(MouseButton::left));
    state.apply(ButtonUp{MouseButton::right});
    EXPECT_EQ(row(state), (Row{"⌘*", "mouse-left click*", "mouse-right click"}));
    state.apply(ButtonUp{MouseButton::middle}); // never pressed
    EXPECT_EQ(state.heldButtons, std::vector<MouseButton>{MouseButton::left});
}

TEST_F(InputDisplayStateTest, KeysAndModifiersWhileAButtonIsHeld)
{
    state.apply(ButtonDown{MouseButton::left, {}});
    key(press(0, "a"));
    EXPECT_EQ(row(state), (Row{"a*"}));
    key(KeyUp{0});
    key(ModifiersChanged{shift});
    EXPECT_EQ(row(state), (Row{"⇧*", "mouse-left click*"})) << "the mouse row comes back with the modifier";
}

TEST_F(InputDisplayStateTest, AModifierAddedWhileAKeyAndAButtonAreHeldKeepsTheButton)
{
    key(press(0, "a"));
    state.apply(ButtonDown{MouseButton::left, {}});
    key(ModifiersChanged{command});
    EXPECT_EQ(row(state), (Row{"⌘*", "mouse-left click*"})) << "held buttons win over the held key";
}

TEST_F(InputDisplayStateTest, ScrollStepsKeepOneArrowCap)
{
    state.apply(Scroll{ScrollDirection::down, shift});
    state.apply(Scroll{ScrollDirection::down, shift});
    EXPECT_EQ(row(state), (Row{"⇧*", "↓*"}));
    state.apply(Scroll{ScrollDirection::up, {}});
    EXPECT_EQ(row(state), (Row{"↑*"}));
    state.apply(Scroll{ScrollDirection::right, {}});
    EXPECT_EQ(row(state), (Row{"→*"}));
    state.apply(Scroll{ScrollDirection::left, {}});
    EXPECT_EQ(row(state), (Row{"←*"}));
    EXPECT_EQ(state.keycaps[0].id, "scroll");
    EXPECT_EQ(state.keycaps[0].mouse, MouseGlyph::forScroll(ScrollDirection::left));
}

} // namespace
} // namespace kestrel
