#include "input/KeystrokeFormatter.h"

#include "common/UnicodeText.h"

#include <algorithm>

namespace kestrel::KeystrokeFormatter {

const std::unordered_map<std::int64_t, SpecialKey>& specialKeys()
{
    static const std::unordered_map<std::int64_t, SpecialKey> table{
        {KeyCode::returnKey, {"\u21A9", "return", {}}},
        {KeyCode::keypadEnter, {"\u2324", "enter", {}}},
        {KeyCode::tab, {"\u21E5", "tab", {}}},
        {KeyCode::space, {"", "space", {}}},
        {KeyCode::deleteKey, {"\u232B", "delete", {}}},
        {KeyCode::forwardDelete, {"\u2326", "del", {}}},
        {KeyCode::escape, {"\u238B", "esc", {}}},
        {KeyCode::keypadClear, {"\u2327", "clear", {}}},
        {KeyCode::leftArrow, {"\u2190", {}, {}}},
        {KeyCode::rightArrow, {"\u2192", {}, {}}},
        {KeyCode::upArrow, {"\u2191", {}, {}}},
        {KeyCode::downArrow, {"\u2193", {}, {}}},
        {KeyCode::home, {"\u2196", "home", {}}},
        {KeyCode::end, {"\u2198", "end", {}}},
        {KeyCode::pageUp, {"\u21DE", "page up", {}}},
        {KeyCode::pageDown, {"\u21DF", "page down", {}}},
        {122, {"F1", {}, {}}},
        {120, {"F2", {}, {}}},
        {99, {"F3", {}, {}}},
        {118, {"F4", {}, {}}},
        {96, {"F5", {}, {}}},
        {97, {"F6", {}, {}}},
        {98, {"F7", {}, {}}},
        {100, {"F8", {}, {}}},
        {101, {"F9", {}, {}}},
        {109, {"F10", {}, {}}},
        {103, {"F11", {}, {}}},
        {111, {"F12", {}, {}}},
        {105, {"F13", {}, {}}},
        {107, {"", "brightness", "sun.min"}},
        {113, {"", "brightness", "sun.max"}},
        {106, {"F16", {}, {}}},
        {64, {"F17", {}, {}}},
        {79, {"F18", {}, {}}},
        {80, {"F19", {}, {}}},
        {90, {"F20", {}, {}}},
    };
    return table;
}

namespace {

constexpr bool isFunctionKeyScalar(char32_t scalar)
{
    return scalar >= 0xF700 && scalar <= 0xF8FF;
}

std::optional<std::string> toOptionalString(std::optional<std::string_view> text)
{
    if (!text)
        return std::nullopt;
    return std::string(*text);
}

} // namespace

bool isFunctionKeyText(std::string_view text)
{
    const auto scalars = unicode::decodeUtf8(text);
    return scalars && std::ranges::any_of(*scalars, isFunctionKeyScalar);
}

std::optional<KeyInfo> keyInfo(std::int64_t keyCode, const std::optional<std::string>& layoutText, std::uint64_t flags)
{
    const auto& table = specialKeys();
    if (auto special = table.find(keyCode); special != table.end()) {
        const SpecialKey& key = special->second;
        return KeyInfo{keyCode, std::string(key.symbol), toOptionalString(key.name), true,
                       toOptionalString(key.systemImage)};
    }

    if (!layoutText || layoutText->empty())
        return std::nullopt;
    // Text that is not valid UTF-8 cannot be drawn or upper-cased; such a key is not shown.
    const auto scalars = unicode::decodeUtf8(*layoutText);
    if (!scalars || std::ranges::any_of(*scalars, isFunctionKeyScalar))
        return std::nullopt;

    // The layout text leaves caps lock out; apply it here.
    std::string symbol = (flags & EventFlag::capsLock) != 0 ? unicode::toUpper(*layoutText) : *layoutText;
    return KeyInfo{keyCode, std::move(symbol), std::nullopt, false, std::nullopt};
}

std::optional<KeyInfo> keyInfo(const PlatformEvent& event)
{
    return keyInfo(event.keyCode, event.layoutText, event.flags);
}

} // namespace kestrel::KeystrokeFormatter
