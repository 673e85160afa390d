#include "settings/Preferences.h"

#include "support/MemoryDefaultsStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace kestrel {
namespace {

struct PreferencesTest : ::testing::Test {
    test::MemoryDefaultsStore store;
};

TEST_F(PreferencesTest, AFreshStoreReadsAsTheDefaults)
{
    EXPECT_TRUE(Preferences::showKeystrokes(store));
    EXPECT_FALSE(Preferences::hasCompletedOnboarding(store));
    EXPECT_FALSE(Preferences::hasRequestedInputMonitoring(store));
    EXPECT_FALSE(Preferences::isShortcutsOnly(store));
    EXPECT_FALSE(Preferences::showShiftWithCapitals(store));
    EXPECT_TRUE(Preferences::showClicksAndScrolling(store));
    EXPECT_EQ(Preferences::keyColor(store), KeyColor::dark);
    EXPECT_EQ(Preferences::overlaySize(store), OverlaySize::medium);
    EXPECT_EQ(Preferences::displayDuration(store), 1.5);
    EXPECT_EQ(Preferences::overlayDisplay(store), "");
    EXPECT_EQ(Preferences::overlayPosition(store), OverlayPosition::bottomCenter);
    EXPECT_EQ(Preferences::customPositionX(store), 0.5);
    EXPECT_EQ(Preferences::customPositionY(store), 0.85);
    EXPECT_EQ(Preferences::number(store, PreferenceKey::displayDuration), std::nullopt);
}

TEST_F(PreferencesTest, StoredValuesAreReadAtEveryCall)
{
    store.set(PreferenceKey::showKeystrokes, false);
    store.set(PreferenceKey::displayMode, "shortcutsOnly");
    store.set(PreferenceKey::keyColor, "green");
    store.set(PreferenceKey::overlayPosition, "topRight");
    store.set(PreferenceKey::overlayDisplay, "37D8832A-2D66-02CA-B9F7-8F30A301B230");
    store.set(PreferenceKey::displayDuration, 0.0);
    EXPECT_FALSE(Preferences::showKeystrokes(store));
    EXPECT_TRUE(Preferences::isShortcutsOnly(store));
    EXPECT_EQ(Preferences::keyColor(store), KeyColor::green);
    EXPECT_EQ(Preferences::overlayPosition(store), OverlayPosition::topRight);
    EXPECT_EQ(Preferences::overlayDisplay(store), "37D8832A-2D66-02CA-B9F7-8F30A301B230");
    EXPECT_EQ(Preferences::displayDuration(store), 0.0) << "0 s is used as stored";

    store.set(PreferenceKey::keyColor, "pink");
    EXPECT_EQ(Preferences::keyColor(store), KeyColor::pink);
}

TEST_F(PreferencesTest, ValuesOfTheWrongTypeOrUnknownCasesReadAsTheDefault)
{
    store.set(PreferenceKey::showKeystrokes, "false");
    store.set(PreferenceKey::showClicksAndScrolling, 0.0);
    store.set(PreferenceKey::overlaySize, "Large");
    store.set(PreferenceKey::overlayPosition, "center");
    store.set(PreferenceKey::keyColor, true);
    store.set(PreferenceKey::overlayDisplay, 4.0);
    EXPECT_TRUE(Preferences::showKeystrokes(store));
    EXPECT_TRUE(Preferences::showClicksAndScrolling(store));
    EXPECT_EQ(Preferences::overlaySize(store), OverlaySize::medium);
    EXPECT_EQ(Preferences::overlayPosition(store), OverlayPosition::bottomCenter);
    EXPECT_EQ(Preferences::keyColor(store), KeyColor::dark);
    EXPECT_EQ(Preferences::overlayDisplay(store), "");

    for (DefaultsValue mode : {DefaultsValue{"allKeys"}, DefaultsValue{""}, DefaultsValue{1.0}}) {
        store.set(PreferenceKey::displayMode, mode);
        EXPECT_FALSE(Preferences::isShortcutsOnly(store));
    }
}

TEST_F(PreferencesTest, NumbersGoThroughTheStoresOwnConversion)
{
    store.set(PreferenceKey::displayDuration, "2.5 seconds");
    EXPECT_EQ(Preferences::displayDuration(store), 2.5);
    store.set(PreferenceKey::displayDuration, true);
    EXPECT_EQ(Preferences::displayDuration(store), 1.0);
    store.set(PreferenceKey::displayDuration, "soon");
    EXPECT_EQ(Preferences::displayDuration(store), 0.0) << "present but unreadable is 0, not the default";
    store.set(PreferenceKey::displayDuration, "nan");
    EXPECT_EQ(Preferences::displayDuration(store), 1.5) << "not a number has no length: the default";
    store.set(PreferenceKey::displayDuration, "-inf");
    EXPECT_EQ(Preferences::displayDuration(store), -std::numeric_limits<double>::infinity()) << "used as stored";

    // The one Boolean read with the store's conversion.
    for (const auto& [stored, expected] : std::vector<std::pair<DefaultsValue, bool>>{{"YES", true},
                                                                                      {" true", true},
                                                                                      {"0001", true},
                                                                                      {"-9", true},
                                                                                      {"no", false},
                                                                                      {"0", false},
                                                                                      {"", false},
                                                                                      {2.0, true},
                                                                                      {0.0, false},
                                                                                      {true, true}}) {
        store.set(PreferenceKey::hasRequestedInputMonitoring, stored);
        EXPECT_EQ(Preferences::hasRequestedInputMonitoring(store), expected) << stored.index();
    }
}

TEST_F(PreferencesTest, CustomPositionIsClampedAndNeverNaN)
{
    store.set(PreferenceKey::customPositionX, 1.7);
    store.set(PreferenceKey::customPositionY, -0.2);
    EXPECT_EQ(Preferences::customPositionX(store), 1.0);
    EXPECT_EQ(Preferences::customPositionY(store), 0.0);

    // Infinities are far out, not unknown: they clamp like any other number.
    constexpr double infinity = std::numeric_limits<double>::infinity();
    store.set(PreferenceKey::customPositionX, infinity);
    store.set(PreferenceKey::customPositionY, -infinity);
    EXPECT_EQ(Preferences::customPositionX(store), 1.0);
    EXPECT_EQ(Preferences::customPositionY(store), 0.0);
    store.set(PreferenceKey::customPositionX, "-1e999");
    store.set(PreferenceKey::customPositionY, "1e999");
    EXPECT_EQ(Preferences::customPositionX(store), 0.0);
    EXPECT_EQ(Preferences::customPositionY(store), 1.0);

    store.set(PreferenceKey::customPositionX, std::numeric_limits<double>::quiet_NaN());
    store.set(PreferenceKey::customPositionY, "nan");
    EXPECT_EQ(Preferences::customPositionX(store), 0.5);
    EXPECT_EQ(Preferences::customPositionY(store), 0.85);
}

// Every case of a stored enumeration reads back from its raw value, and no two cases share a
// raw value or a title (a picker would show two rows alike).
template <typename Enum>
void expectRoundTrips()
{
    std::set<std::string_view> rawValues;
    std::set<std::string_view> titles;
    for (Enum value : allCases<Enum>()) {
        EXPECT_EQ(fromRawValue<Enum>(rawValue(value)), value) << rawValue(value);
        EXPECT_TRUE(rawValues.insert(rawValue(value)).second) << rawValue(value);
        EXPECT_TRUE(titles.insert(title(value).english()).second) << title(value).english();
    }
}

TEST(PreferenceEnums, EveryCaseRoundTripsAndOnlyExactRawValuesMatch)
{
    expectRoundTrips<DisplayMode>();
    expectRoundTrips<OverlaySize>();
    expectRoundTrips<KeyColor>();
    expectRoundTrips<OverlayPosition>();
    EXPECT_EQ(fromRawValue<KeyColor>("Blue"), std::nullopt) << "raw values match case-sensitively";
    EXPECT_EQ(fromRawValue<OverlayPosition>("center"), std::nullopt);
    EXPECT_EQ(fromRawValue<OverlaySize>(""), std::nullopt);
    EXPECT_EQ(fromRawValue<DisplayMode>("allKeys "), std::nullopt);
}

TEST(PreferenceDefinitions, FourteenDistinctKeysWhoseDefaultsMatchTheirTypes)
{
    std::set<std::string_view> keys;
    for (const auto& definition : preferenceDefinitions) {
        keys.insert(definition.key);
        const std::size_t expectedIndex = definition.type == PreferenceType::boolean  ? 0
                                          : definition.type == PreferenceType::number ? 1
                                                                                      : 2;
        EXPECT_EQ(definition.defaultValue.index(), expectedIndex) << definition.key;
    }
    EXPECT_EQ(keys.size(), 14u) << "the thirteen of the product and Kestrel's keyLabelStyle";
}

TEST(Preferences, KeyLabelStyleIsPcUnlessExactlyMac)
{
    test::MemoryDefaultsStore store;
    EXPECT_EQ(Preferences::keyLabelStyle(store), KeyLabelStyle::pc);
    store.set(PreferenceKey::keyLabelStyle, std::string("mac"));
    EXPECT_EQ(Preferences::keyLabelStyle(store), KeyLabelStyle::mac);
    for (const DefaultsValue& odd : {DefaultsValue(std::string("Mac")), DefaultsValue(true), DefaultsValue(1.0)}) {
        store.set(PreferenceKey::keyLabelStyle, odd);
        EXPECT_EQ(Preferences::keyLabelStyle(store), KeyLabelStyle::pc);
    }
}

} // namespace
} // namespace kestrel
