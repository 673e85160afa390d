#include "settings/Preferences.h"

#include <algorithm>
#include <cmath>

namespace kestrel::Preferences {

namespace {

// A Boolean key holding anything but a Boolean reads as its default.
bool storedBool(const DefaultsStore& store, std::string_view key, bool fallback)
{
    const auto value = store.object(key);
    const bool* flag = value ? std::get_if<bool>(&*value) : nullptr;
    return flag ? *flag : fallback;
}

const std::string* storedString(const std::optional<DefaultsValue>& value)
{
    return value ? std::get_if<std::string>(&*value) : nullptr;
}

// An enumeration key holding anything but an exact raw value reads as its default.
template <typename Enum>
Enum storedEnum(const DefaultsStore& store, std::string_view key, Enum fallback)
{
    const auto value = store.object(key);
    const std::string* text = storedString(value);
    if (!text)
        return fallback;
    return fromRawValue<Enum>(*text).value_or(fallback);
}

double fraction(const DefaultsStore& store, std::string_view key, double fallback)
{
    const double value = number(store, key).value_or(fallback);
    // NaN would pass through std::clamp and poison every coordinate computed from it;
    // an infinity is just far out, and clamps like any other number.
    if (std::isnan(value))
        return fallback;
    return std::clamp(value, 0.0, 1.0);
}

} // namespace

bool showKeystrokes(const DefaultsStore& store)
{
    constexpr bool fallback = preferenceDefault<bool>(PreferenceKey::showKeystrokes);
    return storedBool(store, PreferenceKey::showKeystrokes, fallback);
}

bool hasCompletedOnboarding(const DefaultsStore& store)
{
    constexpr bool fallback = preferenceDefault<bool>(PreferenceKey::hasCompletedOnboarding);
    return storedBool(store, PreferenceKey::hasCompletedOnboarding, fallback);
}

bool hasRequestedInputMonitoring(const DefaultsStore& store)
{
    return store.boolForKey(PreferenceKey::hasRequestedInputMonitoring);
}

bool showShiftWithCapitals(const DefaultsStore& store)
{
    constexpr bool fallback = preferenceDefault<bool>(PreferenceKey::showShiftWithCapitals);
    return storedBool(store, PreferenceKey::showShiftWithCapitals, fallback);
}

bool showClicksAndScrolling(const DefaultsStore& store)
{
    constexpr bool fallback = preferenceDefault<bool>(PreferenceKey::showClicksAndScrolling);
    return storedBool(store, PreferenceKey::showClicksAndScrolling, fallback);
}

DisplayMode displayMode(const DefaultsStore& store)
{
    constexpr auto fallback =
        fromRawValue<DisplayMode>(preferenceDefault<std::string_view>(PreferenceKey::displayMode)).value();
    return storedEnum(store, PreferenceKey::displayMode, fallback);
}

bool isShortcutsOnly(const DefaultsStore& store)
{
    return displayMode(store) == DisplayMode::shortcutsOnly;
}

OverlaySize overlaySize(const DefaultsStore& store)
{
    constexpr auto fallback =
        fromRawValue<OverlaySize>(preferenceDefault<std::string_view>(PreferenceKey::overlaySize)).value();
    return storedEnum(store, PreferenceKey::overlaySize, fallback);
}

KeyColor keyColor(const DefaultsStore& store)
{
    constexpr auto fallback =
        fromRawValue<KeyColor>(preferenceDefault<std::string_view>(PreferenceKey::keyColor)).value();
    return storedEnum(store, PreferenceKey::keyColor, fallback);
}

OverlayPosition overlayPosition(const DefaultsStore& store)
{
    constexpr auto fallback =
        fromRawValue<OverlayPosition>(preferenceDefault<std::string_view>(PreferenceKey::overlayPosition)).value();
    return storedEnum(store, PreferenceKey::overlayPosition, fallback);
}

KeyLabelStyle keyLabelStyle(const DefaultsStore& store)
{
    constexpr auto fallback =
        fromRawValue<KeyLabelStyle>(preferenceDefault<std::string_view>(PreferenceKey::keyLabelStyle)).value();
    return storedEnum(store, PreferenceKey::keyLabelStyle, fallback);
}

std::optional<double> number(const DefaultsStore& store, std::string_view key)
{
    const auto value = store.object(key);
    if (!value)
        return std::nullopt;
    return DefaultsStore::toDouble(*value);
}

double displayDuration(const DefaultsStore& store)
{
    constexpr double fallback = preferenceDefault<double>(PreferenceKey::displayDuration);
    // Used as stored, however long or short; only "not a number" has no length at all.
    const double seconds = number(store, PreferenceKey::displayDuration).value_or(fallback);
    return std::isnan(seconds) ? fallback : seconds;
}

double customPositionX(const DefaultsStore& store)
{
    constexpr double fallback = preferenceDefault<double>(PreferenceKey::customPositionX);
    return fraction(store, PreferenceKey::customPositionX, fallback);
}

double customPositionY(const DefaultsStore& store)
{
    constexpr double fallback = preferenceDefault<double>(PreferenceKey::customPositionY);
    return fraction(store, PreferenceKey::customPositionY, fallback);
}

std::string overlayDisplay(const DefaultsStore& store)
{
    const auto value = store.object(PreferenceKey::overlayDisplay);
    const std::string* text = storedString(value);
    return text ? *text : std::string();
}

} // namespace kestrel::Preferences
