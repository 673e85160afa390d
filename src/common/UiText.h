#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// A core text with what varies in it (names, numbers as the core writes them): the
// arguments take the places %1, %2… of the text, in its translation too. Empty when its text
// is.
struct UiMessage {
    UiMessage() = default;
    UiMessage(UiText message, std::vector<std::string> values = {}) : text(message), arguments(std::move(values)) {}

    UiText text;
    std::vector<std::string> arguments;

    bool isEmpty() const { return text.english().empty(); }
    // As an English-speaking user reads it.
    std::string english() const;
    friend bool operator==(const UiMessage&, const UiMessage&) = default;
};

// `text`'s places %1…%9 filled with `arguments`, in order; a place with no argument stays.
std::string fillPlaces(std::string_view text, const std::vector<std::string>& arguments);

inline std::string UiMessage::english() const
{
    return fillPlaces(text.english(), arguments);
}

} // namespace kestrel

// The one way the core names a text to translate; Qt's lupdate reads it as it reads
// QT_TRANSLATE_NOOP(context, source).
#define KESTREL_TEXT(context, source) (::kestrel::UiText{context, source})
