#pragma once

#include "platform/DefaultsStore.h"
#include "settings/PreferenceEnums.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kestrel {

// The preference keys, as stored.
namespace PreferenceKey {
inline constexpr std::string_view showKeystrokes = "showKeystrokes";
inline constexpr std::string_view hasCompletedOnboarding = "hasCompletedOnboarding";
inline constexpr std::string_view hasRequestedInputMonitoring = "hasRequestedInputMonitoring";
inline constexpr std::string_view displayMode = "displayMode";
inline constexpr std::string_view showShiftWithCapitals = "showShiftWithCapitals";
inline constexpr std::string_view showClicksAndScrolling = "showClicksAndScrolling";
inline constexpr std::string_view keyColor = "keyColor";
inline constexpr std::string_view overlaySize = "overlaySize";
inline constexpr std::string_view displayDuration = "displayDuration";
inline constexpr std::string_view overlayDisplay = "overlayDisplay";
inline constexpr std::string_view overlayPosition = "overlayPosition";
inline constexpr std::string_view customPositionX = "customPositionX";
inline constexpr std::string_view customPositionY = "customPositionY";
// Kestrel's own, for PC keyboards.
inline constexpr std::string_view keyLabelStyle = "keyLabelStyle";
} // namespace PreferenceKey

enum class PreferenceType { boolean, number, string };

struct PreferenceDefinition {
    std::string_view key;
    PreferenceType type;
    std::variant<bool, double, std::string_view> defaultValue;
};

// Every preference with its type and default. Nothing registers these with the store: each
// reader falls back to the default here, so an unwritten key and a written default read alike.
inline constexpr std::array<PreferenceDefinition, 14> preferenceDefinitions{{
    {PreferenceKey::showKeystrokes, PreferenceType::boolean, true},
    {PreferenceKey::hasCompletedOnboarding, PreferenceType::boolean, false},
    {PreferenceKey::hasRequestedInputMonitoring, PreferenceType::boolean, false},
    {PreferenceKey::displayMode, PreferenceType::string, rawValue(DisplayMode::allKeys)},
    {PreferenceKey::showShiftWithCapitals, PreferenceType::boolean, false},
    {PreferenceKey::showClicksAndScrolling, PreferenceType::boolean, true},
    {PreferenceKey::keyColor, PreferenceType::string, rawValue(KeyColor::dark)},
    {PreferenceKey::overlaySize, PreferenceType::string, rawValue(OverlaySize::medium)},
    {PreferenceKey::displayDuration, PreferenceType::number, 1.5}, // seconds
    {PreferenceKey::overlayDisplay, PreferenceType::string, std::string_view()},
    {PreferenceKey::overlayPosition, PreferenceType::string, rawValue(OverlayPosition::bottomCenter)},
    {PreferenceKey::customPositionX, PreferenceType::number, 0.5},  // fraction of the visible width
    {PreferenceKey::customPositionY, PreferenceType::number, 0.85}, // fraction of the visible height, from the top
    {PreferenceKey::keyLabelStyle, PreferenceType::string, rawValue(KeyLabelStyle::pc)}, // Linux keyboards are PCs
}};

// The default of a key in the table; T must match the key's type.
template <typename T>
constexpr T preferenceDefault(std::string_view key)
{
    for (const auto& definition : preferenceDefinitions) {
        if (definition.key == key)
            return std::get<T>(definition.defaultValue);
    }
    throw "unknown preference key"; // only ever evaluated at compile time by the readers
}

// Readers for the code outside the settings views. Each reads the store at the moment of
// the call, so a change applies to the next event; none of them caches.
namespace Preferences {

bool showKeystrokes(const DefaultsStore& store);
bool hasCompletedOnboarding(const DefaultsStore& store);
// Read with the store's own Boolean conversion, unlike the other Boolean keys.
bool hasRequestedInputMonitoring(const DefaultsStore& store);
bool showShiftWithCapitals(const DefaultsStore& store);
bool showClicksAndScrolling(const DefaultsStore& store);

DisplayMode displayMode(const DefaultsStore& store);
bool isShortcutsOnly(const DefaultsStore& store);
OverlaySize overlaySize(const DefaultsStore& store);
KeyColor keyColor(const DefaultsStore& store);
OverlayPosition overlayPosition(const DefaultsStore& store);
// Any value other than "mac" or "pc" reads as the default, "pc".
KeyLabelStyle keyLabelStyle(const DefaultsStore& store);

// Absent when the key was never written, else the store's own conversion to a number.
std::optional<double> number(const DefaultsStore& store, std::string_view key);
// As stored, not clamped: whoever schedules with it bounds it.
double displayDuration(const DefaultsStore& store);
// Clamped to 0…1; a stored value that is not a finite number reads as the default.
double customPositionX(const DefaultsStore& store);
double customPositionY(const DefaultsStore& store);

// Identity of the chosen display; empty means the screen with the pointer.
std::string overlayDisplay(const DefaultsStore& store);

} // namespace Preferences

} // namespace kestrel
