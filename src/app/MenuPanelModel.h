#pragma once

#include "app/AppInfo.h"
#include "common/UiText.h"
#include "settings/PreferenceEnums.h"

#include <string>
#include <variant>
#include <vector>

namespace kestrel {

// What a row of the tray panel does when clicked.
enum class MenuAction { grantInputMonitoring, about, checkForUpdates, settings, quit };

// A keyboard shortcut of the panel: the text shown at the row's end, which is also the key
// sequence Qt parses. A PC keyboard has no ⌘, so Kestrel uses Ctrl where the Mac uses it.
namespace MenuShortcut {
inline constexpr std::string_view settings = "Ctrl+,";
inline constexpr std::string_view quit = "Ctrl+Q";
} // namespace MenuShortcut

struct MenuRowModel {
    UiMessage title;
    std::string systemImage; // empty: no symbol, the title starts at the row's padding
    std::string shortcut;    // display only; empty: none
    bool isEmphasized = false;
    bool showsDot = false; // the pending-update mark
    bool isEnabled = true;
    UiMessage toolTip; // empty: none
    MenuAction action = MenuAction::about;

    bool operator==(const MenuRowModel&) const = default;
};

struct MenuDivider {
    bool operator==(const MenuDivider&) const = default;
};

using MenuPanelItem = std::variant<MenuRowModel, MenuDivider>;

// What the panel reads from the rest of Kestrel each time it is built.
struct MenuPanelState {
    bool isRunning = false;
    bool isInputMonitoringGranted = true;
    bool isUpdatePending = false;
    bool canCheckForUpdates = false;
    bool updatesComeFromTheSystem = false;            // no update feed: the distribution updates Kestrel
    KeyLabelStyle keyLabelStyle = KeyLabelStyle::mac; // how the hot key is written
    bool hotKeyWorks = true;                          // not shown where it does nothing
};

// The tray panel's content: a header with the on/off switch, then the command rows. It is
// derived afresh from the state whenever the panel is built or what it reads changes; the
// panel keeps nothing of its own but the row under the pointer.
struct MenuPanelModel {
    std::string name;
    std::string hotKeyText; // empty where the hot key does nothing
    UiText subtitle;
    bool switchIsOn = false;
    bool switchIsEnabled = true;
    std::vector<MenuPanelItem> items;

    static MenuPanelModel build(const MenuPanelState& state, const AppInfo& info);
};

} // namespace kestrel
