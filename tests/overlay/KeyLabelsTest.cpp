#include "overlay/KeyLabels.h"

#include "input/GlobalHotKey.h"
#include "overlay/OverlayController.h"
#include "settings/Preferences.h"
#include "support/FakeOverlay.h"
#include "support/ManualScheduler.h"
#include "support/MemoryDefaultsStore.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(KeyLabels, PcKeyboardsNameTheirKeysAndKeepIdsShapesAndTheRest)
{
    const auto mac =
        InputDisplayState::modifierKeycaps({Modifier::control, Modifier::option, Modifier::shift, Modifier::command});
    const auto pc = KeyLabels::styled(mac, KeyLabelStyle::pc);
    ASSERT_EQ(pc.size(), 4u);
    const std::vector<std::pair<std::string, std::string>> expected{
        {"", "Ctrl"}, {"", "Alt"}, {"⇧", "Shift"}, {"", "Super"}};
    for (std::size_t i = 0; i < pc.size(); ++i) {
        EXPECT_EQ(pc[i].symbol, expected[i].first);
        EXPECT_EQ(pc[i].name, expected[i].second);
        EXPECT_EQ(pc[i].id, mac[i].id) << "animations follow the id";
        EXPECT_EQ(pc[i].shape, mac[i].shape);
        EXPECT_EQ(pc[i].modifier, mac[i].modifier);
    }
    // Keys by their key code, as the display state shows them.
    InputDisplayState state;
    state.apply(KeyDown{.info = {.keyCode = KeyCode::returnKey, .symbol = "↩", .name = "return", .isSpecial = true}},
                false, false);
    ASSERT_EQ(state.keycaps.size(), 1u);
    const Keycap enter = KeyLabels::styled(state.keycaps[0], KeyLabelStyle::pc);
    EXPECT_EQ(enter.name, "Enter");
    EXPECT_EQ(enter.symbol, "↵");
    EXPECT_EQ(enter.id, KeycapId::forKey(KeyCode::returnKey));
    state.apply(CapsLockToggled{.isOn = true}, false, false);
    ASSERT_EQ(state.keycaps.size(), 1u);
    EXPECT_EQ(KeyLabels::styled(state.keycaps[0], KeyLabelStyle::pc).name, "Caps Lock");
    // Letters, arrows and function keys read alike on both.
    const Keycap letter{.id = KeycapId::forKey(0), .symbol = "A", .keyCode = 0};
    EXPECT_EQ(KeyLabels::styled(letter, KeyLabelStyle::pc), letter);
    // The Mac style is the formatter's, unchanged.
    EXPECT_EQ(KeyLabels::styled(mac, KeyLabelStyle::mac), mac);

    EXPECT_EQ(KeyLabels::hotKeyText(KeyLabelStyle::mac), ToggleHotKey::text);
    EXPECT_EQ(KeyLabels::hotKeyText(KeyLabelStyle::pc), "Ctrl+Alt+Super+Enter");
}

TEST(KeyLabels, TheOverlayNamesKeysInTheStyleReadAtEachEvent)
{
    test::ManualScheduler scheduler;
    test::MemoryDefaultsStore defaults;
    test::FakeScreenService screens;
    test::FakeOverlayPanelFactory panels;
    OverlayController controller{{scheduler, defaults, screens, panels}};

    controller.handle(ModifiersChanged{{Modifier::control}});
    EXPECT_EQ(controller.model().keycaps.get().at(0).name, "Ctrl") << "PC by default on Linux";
    defaults.set(PreferenceKey::keyLabelStyle, std::string("mac"));
    controller.handle(ModifiersChanged{{Modifier::control, Modifier::command}});
    EXPECT_EQ(controller.model().keycaps.get().at(0).name, "control");
    EXPECT_EQ(controller.model().keycaps.get().at(1).symbol, "⌘");
    EXPECT_EQ(controller.state().keycaps.at(0).name, "control") << "the state keeps the Mac names";
}

} // namespace
} // namespace kestrel
