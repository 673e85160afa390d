#pragma once

#include "common/Observable.h"
#include "common/UiText.h"

#include <array>
#include <optional>
#include <string_view>

namespace kestrel {

// The sections of the settings window, in sidebar order.
enum class SettingsSection { general, appearance, displays, about };

struct SettingsSectionInfo {
    SettingsSection section;
    std::string_view rawValue;
    UiText title;                 // sidebar row, detail title and window title
    std::string_view systemImage; // the sidebar icon's symbol name
    UiText group;                 // the sidebar heading it sits under
};

inline constexpr std::array<SettingsSectionInfo, 4> settingsSections{{
    {SettingsSection::general, "general", KESTREL_TEXT("SettingsSection", "General"), "gearshape.fill",
     KESTREL_TEXT("SettingsSection", "Essentials")},
    {SettingsSection::appearance, "appearance", KESTREL_TEXT("SettingsSection", "Appearance"),
     "paintbrush.pointed.fill", KESTREL_TEXT("SettingsSection", "Essentials")},
    {SettingsSection::displays, "displays", KESTREL_TEXT("SettingsSection", "Displays"), "desktopcomputer",
     KESTREL_TEXT("SettingsSection", "Essentials")},
    {SettingsSection::about, "about", KESTREL_TEXT("SettingsSection", "About"), "info.circle.fill",
     KESTREL_TEXT("SettingsSection", "App")},
}};

constexpr const SettingsSectionInfo& sectionInfo(SettingsSection section)
{
    return settingsSections[static_cast<std::size_t>(section)];
}

// Exactly the raw values of the table; any other text is no section.
constexpr std::optional<SettingsSection> settingsSectionFromRawValue(std::string_view rawValue)
{
    for (const auto& info : settingsSections) {
        if (info.rawValue == rawValue)
            return info.section;
    }
    return std::nullopt;
}

// Which section the settings window shows. It lives as long as the window's owner, so the
// window reopens at the section it last showed; openers set it before showing the window.
// No selection is allowed (nothing picked in the sidebar) and shows General.
struct SettingsNavigation {
    Observable<std::optional<SettingsSection>> selection{SettingsSection::general};

    SettingsSection shownSection() const { return selection.get().value_or(SettingsSection::general); }
};

} // namespace kestrel
