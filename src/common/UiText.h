#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
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

struct UiMessage;

// What fills a place of a message: a name or a number as the core writes it, or a message of
// its own (why something failed, say), which is translated where it stands.
struct UiArgument {
    // Defined below, where a message is a complete type (a vector of one is built here).
    UiArgument(std::string value);
    UiArgument(const char* value);
    UiArgument(UiMessage value);

    std::string text;
    std::vector<UiMessage> message; // one, when the argument is a message
};

// A core text with what varies in it: the arguments take the places %1, %2… of the text, in
// its translation too. Empty when its text is.
struct UiMessage {
    UiMessage() = default;
    UiMessage(UiText message, std::vector<UiArgument> values = {}) : text(message), arguments(std::move(values)) {}

    UiText text;
    std::vector<UiArgument> arguments;

    bool isEmpty() const { return text.english().empty(); }
    // As an English-speaking user reads it.
    std::string english() const;
    friend bool operator==(const UiMessage& a, const UiMessage& b);
};

inline UiArgument::UiArgument(std::string value) : text(std::move(value)) {}
inline UiArgument::UiArgument(const char* value) : text(value) {}
inline UiArgument::UiArgument(UiMessage value) : message{std::move(value)} {}

inline bool operator==(const UiMessage& a, const UiMessage& b)
{
    return a.text == b.text && std::ranges::equal(a.arguments, b.arguments, [](const auto& x, const auto& y) {
               return x.text == y.text && x.message == y.message;
           });
}

// A text of the system's own (a library's error, already in the user's language where the
// library translates), shown as it is.
inline UiMessage verbatim(std::string text)
{
    return {UiText{"", "%1"}, {std::move(text)}};
}

// `text`'s places %1…%9 filled with `arguments`, in order; a place with no argument stays.
std::string fillPlaces(std::string_view text, const std::vector<std::string>& arguments);

// `message`'s places filled with its arguments, each message among them as `say` puts it.
template <typename Say>
std::string fillPlaces(std::string_view text, const std::vector<UiArgument>& arguments, const Say& say)
{
    std::vector<std::string> filled;
    filled.reserve(arguments.size());
    for (const UiArgument& argument : arguments)
        filled.push_back(argument.message.empty() ? argument.text : say(argument.message.front()));
    return fillPlaces(text, filled);
}

inline std::string UiMessage::english() const
{
    return fillPlaces(text.english(), arguments, [](const UiMessage& message) { return message.english(); });
}

} // namespace kestrel

// The one way the core names a text to translate; Qt's lupdate reads it as it reads
// QT_TRANSLATE_NOOP(context, source).
#define KESTREL_TEXT(context, source) (::kestrel::UiText{context, source})
