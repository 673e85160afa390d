#include "common/UnicodeText.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace kestrel::unicode {

std::optional<std::u32string> decodeUtf8(std::string_view text)
{
    std::u32string scalars;
    scalars.reserve(text.size());
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    int32_t offset = 0;
    while (offset < length) {
        UChar32 scalar = 0;
        U8_NEXT(bytes, offset, length, scalar);
        if (scalar < 0)
            return std::nullopt;
        scalars.push_back(static_cast<char32_t>(scalar));
    }
    return scalars;
}

std::string toUpper(std::string_view text)
{
    auto unicodeText = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    // The root locale applies the language-neutral mapping of the Unicode data files.
    unicodeText.toUpper(icu::Locale::getRoot());
    std::string upper;
    unicodeText.toUTF8String(upper);
    return upper;
}

} // namespace kestrel::unicode
