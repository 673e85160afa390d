#include "app/MenuPanelModel.h"

#include "overlay/KeyLabels.h"

namespace kestrel {

MenuPanelModel MenuPanelModel::build(const MenuPanelState& state, const AppInfo& info)
{
    MenuPanelModel model;
    model.name = info.name;
    if (state.hotKeyWorks)
        model.hotKeyText = KeyLabels::hotKeyText(state.keyLabelStyle);
    model.subtitle = KESTREL_TEXT("MenuPanel", "Shows your keys and clicks on screen");
    model.switchIsOn = state.isRunning;
    // Without input access the switch could not start anything.
    model.switchIsEnabled = state.isInputMonitoringGranted;

    if (!state.isInputMonitoringGranted) {
        model.items.emplace_back(MenuRowModel{.title = KESTREL_TEXT("MenuPanel", "Grant Input Monitoring…"),
                                              .systemImage = "lock",
                                              .action = MenuAction::grantInputMonitoring});
        model.items.emplace_back(MenuDivider{});
    }
    model.items.emplace_back(MenuRowModel{.title = {KESTREL_TEXT("MenuPanel", "About %1"), {info.name}},
                                          .systemImage = "info.circle",
                                          .action = MenuAction::about});
    if (state.isUpdatePending) {
        model.items.emplace_back(MenuRowModel{.title = KESTREL_TEXT("MenuPanel", "Update Available…"),
                                              .systemImage = "square.and.arrow.down",
                                              .isEmphasized = true,
                                              .showsDot = true,
                                              .action = MenuAction::checkForUpdates});
    } else {
        model.items.emplace_back(MenuRowModel{
            .title = KESTREL_TEXT("MenuPanel", "Check for Updates…"),
            .systemImage = "square.and.arrow.down",
            .isEnabled = state.canCheckForUpdates,
            .toolTip = state.updatesComeFromTheSystem
                           ? UiMessage{KESTREL_TEXT("MenuPanel", "%1 is updated with your system's other software"),
                                       {info.name}}
                           : UiMessage{},
            .action = MenuAction::checkForUpdates});
    }
    model.items.emplace_back(MenuDivider{});
    model.items.emplace_back(MenuRowModel{.title = KESTREL_TEXT("MenuPanel", "Settings…"),
                                          .systemImage = "gearshape",
                                          .shortcut = std::string(MenuShortcut::settings),
                                          .action = MenuAction::settings});
    model.items.emplace_back(MenuDivider{});
    model.items.emplace_back(MenuRowModel{.title = {KESTREL_TEXT("MenuPanel", "Quit %1"), {info.name}},
                                          .shortcut = std::string(MenuShortcut::quit),
                                          .action = MenuAction::quit});
    return model;
}

} // namespace kestrel
