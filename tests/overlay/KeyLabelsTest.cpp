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

TEST(KeyLabels, PcKeycapsPrintWhatTheKeyboardsOfTheUsersLanguagePrint)
{
    const auto pc = [](Keycap keycap) { return KeyLabels::styled(std::move(keycap), KeyLabelStyle::pc); };
    const Keycap control{.modifier = Modifier::control};
    const Keycap shift{.modifier = Modifier::shift};
    const Keycap enter{.keyCode = KeyCode::returnKey};
    const Keycap escape{.keyCode = KeyCode::escape};

    KeyLabels::setLegendLanguage("de");
    EXPECT_EQ(pc(control).name, "Strg");
    EXPECT_EQ(pc(Keycap{.keyCode = KeyCode::forwardDelete}).name, "Entf");
    EXPECT_EQ(pc(Keycap{.keyCode = KeyCode::home}).name, "Pos1");
    // German Shift and Enter print their symbols alone.
    EXPECT_EQ(pc(shift).symbol, "⇧");
    EXPECT_EQ(pc(shift).name, std::nullopt);
    EXPECT_EQ(pc(enter).symbol, "↵");
    EXPECT_EQ(pc(enter).name, std::nullopt);
    // Where the language's keyboards print the English legend, it stays.
    EXPECT_EQ(pc(escape).name, "Esc");
    EXPECT_EQ(KeyLabels::hotKeyText(KeyLabelStyle::pc), "Strg+Alt+Super+↵");

    KeyLabels::setLegendLanguage("fr");
    EXPECT_EQ(pc(shift).name, "Maj");
    EXPECT_EQ(pc(escape).name, "Échap");
    EXPECT_EQ(pc(control).name, "Ctrl");
    EXPECT_EQ(KeyLabels::hotKeyText(KeyLabelStyle::pc), "Ctrl+Alt+Super+Entrée");
    // The Mac style keeps its symbols in every language.
    EXPECT_EQ(KeyLabels::hotKeyText(KeyLabelStyle::mac), ToggleHotKey::text);

    // A language whose keyboards print English, and none.
    for (const char* english : {"pl", ""}) {
        KeyLabels::setLegendLanguage(english);
        EXPECT_EQ(pc(control).name, "Ctrl") << english;
        EXPECT_EQ(pc(enter).name, "Enter") << english;
    }
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
