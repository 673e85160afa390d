#pragma once

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
    std::string_view title;    // what the settings show
};

// Specialised once per enumeration below, with every case in order.
template <typename Enum>
struct EnumCases;

template <>
struct EnumCases<DisplayMode> {
    static constexpr std::array<EnumCase<DisplayMode>, 2> all{{
        {DisplayMode::allKeys, "allKeys", "All Keys"},
        {DisplayMode::shortcutsOnly, "shortcutsOnly", "Special Keys Only"},
    }};
};

template <>
struct EnumCases<OverlaySize> {
    static constexpr std::array<EnumCase<OverlaySize>, 3> all{{
        {OverlaySize::small, "small", "Small"},
        {OverlaySize::medium, "medium", "Medium"},
        {OverlaySize::large, "large", "Large"},
    }};
};

template <>
struct EnumCases<KeyColor> {
    static constexpr std::array<EnumCase<KeyColor>, 9> all{{
        {KeyColor::dark, "dark", "Dark"},
        {KeyColor::white, "white", "White"},
        {KeyColor::blue, "blue", "Blue"},
        {KeyColor::purple, "purple", "Purple"},
        {KeyColor::pink, "pink", "Pink"},
        {KeyColor::red, "red", "Red"},
        {KeyColor::orange, "orange", "Orange"},
        {KeyColor::yellow, "yellow", "Yellow"},
        {KeyColor::green, "green", "Green"},
    }};
};

template <>
struct EnumCases<OverlayPosition> {
    static constexpr std::array<EnumCase<OverlayPosition>, 9> all{{
        {OverlayPosition::topLeft, "topLeft", "Top Left"},
        {OverlayPosition::topCenter, "topCenter", "Top Center"},
        {OverlayPosition::topRight, "topRight", "Top Right"},
        {OverlayPosition::middleLeft, "middleLeft", "Middle Left"},
        {OverlayPosition::middleRight, "middleRight", "Middle Right"},
        {OverlayPosition::bottomLeft, "bottomLeft", "Bottom Left"},
        {OverlayPosition::bottomCenter, "bottomCenter", "Bottom Center"},
        {OverlayPosition::bottomRight, "bottomRight", "Bottom Right"},
        {OverlayPosition::custom, "custom", "Custom"},
    }};
};

template <>
struct EnumCases<KeyLabelStyle> {
    static constexpr std::array<EnumCase<KeyLabelStyle>, 2> all{{
        {KeyLabelStyle::mac, "mac", "Mac"},
        {KeyLabelStyle::pc, "pc", "PC"},
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
constexpr std::string_view title(Enum value)
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
