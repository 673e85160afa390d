#pragma once

#include <string_view>

namespace kestrel {

// A text Kestrel shows or says to the user, decided in the core: the English source and the
// context its translations are filed under. The windows translate it as they show it; the
// core never joins it with other texts (a placeholder, %1, takes what varies).
struct UiText {
    const char* context = "";
    const char* source = "";

    std::string_view english() const { return source; }
    friend bool operator==(const UiText& a, const UiText& b)
    {
        return std::string_view(a.context) == b.context && std::string_view(a.source) == b.source;
    }
};

} // namespace kestrel

// The one way the core names a text to translate; Qt's lupdate reads it as it reads
// QT_TRANSLATE_NOOP(context, source).
#define KESTREL_TEXT(context, source) (::kestrel::UiText{context, source})
