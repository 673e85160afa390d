#pragma once

#include "common/UiText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace kestrel {

// The enumerations stored in preferences. Each is stored as its raw value (the case name);
// cases are listed in the order every picker shows them.
enum class DisplayMode { allKeys, shortcutsOnly };
enum class OverlaySize { small, medium, large };
enum class KeyColor { dark, white, blue, purple, pink, red, orange, yellow, green };
// How keys are named on the caps: as on a Mac keyboard (⌃ control, ⌘ command, ↩ return) or
// as printed on PC keyboards (Ctrl, Super, Enter).
enum class KeyLabelStyle { mac, pc };
enum class OverlayPosition {
    topLeft,
    topCenter,
    topRight,
    middleLeft,
    middleRight,
    bottomLeft,
    bottomCenter,
    bottomRight,
    custom
};

template <typename Enum>
struct EnumCase {
    Enum value;
    std::string_view rawValue; // the stored string, matched case-sensitively
    UiText title;              // what the settings show
};

// Specialised once per enumeration below, with every case in order.
template <typename Enum>
struct EnumCases;

template <>
struct EnumCases<DisplayMode> {
    static constexpr std::array<EnumCase<DisplayMode>, 2> all{{
        {DisplayMode::allKeys, "allKeys", KESTREL_TEXT("Preferences", "All Keys")},
        {DisplayMode::shortcutsOnly, "shortcutsOnly", KESTREL_TEXT("Preferences", "Special Keys Only")},
    }};
};

template <>
struct EnumCases<OverlaySize> {
    static constexpr std::array<EnumCase<OverlaySize>, 3> all{{
        {OverlaySize::small, "small", KESTREL_TEXT("Preferences", "Small")},
        {OverlaySize::medium, "medium", KESTREL_TEXT("Preferences", "Medium")},
        {OverlaySize::large, "large", KESTREL_TEXT("Preferences", "Large")},
    }};
};

template <>
struct EnumCases<KeyColor> {
    static constexpr std::array<EnumCase<KeyColor>, 9> all{{
        {KeyColor::dark, "dark", KESTREL_TEXT("Preferences", "Dark")},
        {KeyColor::white, "white", KESTREL_TEXT("Preferences", "White")},
        {KeyColor::blue, "blue", KESTREL_TEXT("Preferences", "Blue")},
        {KeyColor::purple, "purple", KESTREL_TEXT("Preferences", "Purple")},
        {KeyColor::pink, "pink", KESTREL_TEXT("Preferences", "Pink")},
        {KeyColor::red, "red", KESTREL_TEXT("Preferences", "Red")},
        {KeyColor::orange, "orange", KESTREL_TEXT("Preferences", "Orange")},
        {KeyColor::yellow, "yellow", KESTREL_TEXT("Preferences", "Yellow")},
        {KeyColor::green, "green", KESTREL_TEXT("Preferences", "Green")},
    }};
};

template <>
struct EnumCases<OverlayPosition> {
    static constexpr std::array<EnumCase<OverlayPosition>, 9> all{{
        {OverlayPosition::topLeft, "topLeft", KESTREL_TEXT("Preferences", "Top Left")},
        {OverlayPosition::topCenter, "topCenter", KESTREL_TEXT("Preferences", "Top Center")},
        {OverlayPosition::topRight, "topRight", KESTREL_TEXT("Preferences", "Top Right")},
        {OverlayPosition::middleLeft, "middleLeft", KESTREL_TEXT("Preferences", "Middle Left")},
        {OverlayPosition::middleRight, "middleRight", KESTREL_TEXT("Preferences", "Middle Right")},
        {OverlayPosition::bottomLeft, "bottomLeft", KESTREL_TEXT("Preferences", "Bottom Left")},
        {OverlayPosition::bottomCenter, "bottomCenter", KESTREL_TEXT("Preferences", "Bottom Center")},
        {OverlayPosition::bottomRight, "bottomRight", KESTREL_TEXT("Preferences", "Bottom Right")},
        {OverlayPosition::custom, "custom", KESTREL_TEXT("Preferences", "Custom")},
    }};
};

template <>
struct EnumCases<KeyLabelStyle> {
    static constexpr std::array<EnumCase<KeyLabelStyle>, 2> all{{
        {KeyLabelStyle::mac, "mac", KESTREL_TEXT("Preferences", "Mac")},
        {KeyLabelStyle::pc, "pc", KESTREL_TEXT("Preferences", "PC")},
    }};
};

// Every case of the enumeration, in order.
template <typename Enum>
constexpr auto allCases()
{
    std::array<Enum, EnumCases<Enum>::all.size()> cases{};
    std::ranges::transform(EnumCases<Enum>::all, cases.begin(), &EnumCase<Enum>::value);
    return cases;
}

template <typename Enum>
constexpr const EnumCase<Enum>& enumCase(Enum value)
{
    return *std::ranges::find(EnumCases<Enum>::all, value, &EnumCase<Enum>::value);
}

template <typename Enum>
constexpr std::string_view rawValue(Enum value)
{
    return enumCase(value).rawValue;
}

template <typename Enum>
constexpr UiText title(Enum value)
{
    return enumCase(value).title;
}

// The case whose raw value is exactly `text`, or nothing.
template <typename Enum>
constexpr std::optional<Enum> fromRawValue(std::string_view text)
{
    const auto& cases = EnumCases<Enum>::all;
    const auto found = std::ranges::find(cases, text, &EnumCase<Enum>::rawValue);
    if (found == cases.end())
        return std::nullopt;
    return found->value;
}

} // namespace kestrel
