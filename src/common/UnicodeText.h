#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrel::unicode {

// The Unicode scalars of UTF-8 text, or nothing when the bytes are not valid UTF-8
// (overlong forms, surrogates and truncated sequences included).
std::optional<std::u32string> decodeUtf8(std::string_view text);

// Full default case mapping to upper case, with no locale tailoring: "ß" becomes "SS",
// "ﬁ" becomes "FI", and a Turkish layout's "i" still becomes "I". The text must be valid UTF-8.
std::string toUpper(std::string_view text);

} // namespace kestrel::unicode
