#include "input/KeystrokeFormatter.h"

#include "common/UnicodeText.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

using KeystrokeFormatter::keyInfo;

std::optional<KeyInfo> key(std::int64_t keyCode, std::optional<std::string> text, std::uint64_t flags = 0)
{
    return keyInfo(keyCode, text, flags);
}

struct ExpectedSpecialKey {
    std::int64_t keyCode;
    std::u32string symbol; // by code point, so a look-alike character cannot slip in
    const char* name;      // nullptr: no caption
    const char* image;     // nullptr: no system image
};

TEST(KeystrokeFormatter, SpecialKeysLookTheSameOnEveryLayoutAndWithAnyFlags)
{
    const std::vector<ExpectedSpecialKey> expected{
        {36, U"\u21A9", "return", nullptr},   {76, U"\u2324", "enter", nullptr},
        {48, U"\u21E5", "tab", nullptr},      {49, U"", "space", nullptr},
        {51, U"\u232B", "delete", nullptr},   {117, U"\u2326", "del", nullptr},
        {53, U"\u238B", "esc", nullptr},      {71, U"\u2327", "clear", nullptr},
        {123, U"\u2190", nullptr, nullptr},   {124, U"\u2192", nullptr, nullptr},
        {126, U"\u2191", nullptr, nullptr},   {125, U"\u2193", nullptr, nullptr},
        {115, U"\u2196", "home", nullptr},    {119, U"\u2198", "end", nullptr},
        {116, U"\u21DE", "page up", nullptr}, {121, U"\u21DF", "page down", nullptr},
        {122, U"F1", nullptr, nullptr},       {120, U"F2", nullptr, nullptr},
        {99, U"F3", nullptr, nullptr},        {118, U"F4", nullptr, nullptr},
        {96, U"F5", nullptr, nullptr},        {97, U"F6", nullptr, nullptr},
        {98, U"F7", nullptr, nullptr},        {100, U"F8", nullptr, nullptr},
        {101, U"F9", nullptr, nullptr},       {109, U"F10", nullptr, nullptr},
        {103, U"F11", nullptr, nullptr},      {111, U"F12", nullptr, nullptr},
        {105, U"F13", nullptr, nullptr},      {107, U"", "brightness", "sun.min"},
        {113, U"", "brightness", "sun.max"},  {106, U"F16", nullptr, nullptr},
        {64, U"F17", nullptr, nullptr},       {79, U"F18", nullptr, nullptr},
        {80, U"F19", nullptr, nullptr},       {90, U"F20", nullptr, nullptr},
    };
    EXPECT_EQ(KeystrokeFormatter::specialKeys().size(), expected.size());

    for (const auto& special : expected) {
        SCOPED_TRACE(special.keyCode);
        // Layout text, caps lock and every modifier are ignored for special keys.
        for (const auto& [text, flags] : std::vector<std::pair<std::optional<std::string>, std::uint64_t>>{
                 {std::nullopt, 0}, {"x", 0x10000 | 0x100000 | 0x20000}, {"\uF704", 0x40000}}) {
            const auto info = key(special.keyCode, text, flags);
            ASSERT_TRUE(info.has_value());
            EXPECT_EQ(info->keyCode, special.keyCode);
            EXPECT_EQ(unicode::decodeUtf8(info->symbol), special.symbol);
            EXPECT_EQ(info->name, special.name ? std::optional<std::string>(special.name) : std::nullopt);
            EXPECT_EQ(info->systemImage, special.image ? std::optional<std::string>(special.image) : std::nullopt);
            EXPECT_TRUE(info->isSpecial);
        }
    }
}

TEST(KeystrokeFormatter, OrdinaryKeysShowTheLayoutText)
{
    EXPECT_EQ(key(0, "a"), (KeyInfo{0, "a", std::nullopt, false, std::nullopt}));
    EXPECT_EQ(key(0, "A")->symbol, "A") << "Shift is already in the layout text";
    EXPECT_EQ(key(18, "!")->symbol, "!");
    EXPECT_EQ(key(0, "ф")->symbol, "ф");
    // Keypad digits are not special: they show their layout text.
    EXPECT_EQ(key(83, "1"), (KeyInfo{83, "1", std::nullopt, false, std::nullopt}));
}

TEST(KeystrokeFormatter, CapsLockUpperCasesWithFullUnicodeMapping)
{
    constexpr std::uint64_t capsLock = 0x10000;
    EXPECT_EQ(key(0, "a", capsLock)->symbol, "A");
    EXPECT_EQ(key(27, "ß", capsLock)->symbol, "SS");
    EXPECT_EQ(key(0, "ф", capsLock)->symbol, "Ф");
    EXPECT_EQ(key(33, "é", capsLock)->symbol, "É");
    // No Turkish tailoring: a dotless upper-case I, as the root locale maps it.
    EXPECT_EQ(key(34, "i", capsLock)->symbol, "I");
    EXPECT_EQ(key(18, "1", capsLock)->symbol, "1");
}

TEST(KeystrokeFormatter, ControlOptionAndCommandNeverChangeTheResult)
{
    const auto plain = key(8, "c");
    for (std::uint64_t flags : {0x40000ull, 0x80000ull, 0x100000ull, 0x1C0000ull})
        EXPECT_EQ(key(8, "c", flags), plain) << std::hex << flags;
}

TEST(KeystrokeFormatter, KeysWithoutPrintableTextAreNotShown)
{
    EXPECT_FALSE(key(114, std::nullopt)) << "no text at all";
    EXPECT_FALSE(key(114, "")) << "empty text";
    EXPECT_FALSE(key(114, "\uF746")) << "Help reports a private-use character";
    EXPECT_FALSE(key(114, "a\uF8FF")) << "any private-use scalar counts";
    EXPECT_FALSE(key(0, std::string("\xC3\x28"))) << "invalid UTF-8 is never drawn";
    EXPECT_TRUE(key(114, "\uF6FF")) << "just below the range";
    EXPECT_TRUE(key(114, "\uF900")) << "just above the range";
}

TEST(KeystrokeFormatter, ReadsThePlatformEventRecord)
{
    PlatformEvent event{.type = EventType::keyDown};
    event.keyCode = 1;
    event.layoutText = "s";
    event.flags = 0x10000;
    EXPECT_EQ(KeystrokeFormatter::keyInfo(event)->symbol, "S");
}

} // namespace
} // namespace kestrel
