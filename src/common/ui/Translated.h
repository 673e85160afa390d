#pragma once

#include "common/UiText.h"
#include "common/ui/QtText.h"

#include <QCoreApplication>
#include <QString>

namespace kestrel {

// A core text in the user's language, as the translations loaded say it.
inline QString translated(const UiText& text)
{
    if (!*text.context)
        return QString::fromUtf8(text.source); // not Kestrel's, not translated
    return QCoreApplication::translate(text.context, text.source);
}

// The same, with its places filled in the translation's own order.
inline QString translated(const UiMessage& message)
{
    if (message.isEmpty())
        return {};
    if (message.arguments.empty())
        return translated(message.text);
    return qt(fillPlaces(translated(message.text).toStdString(), message.arguments,
                         [](const UiMessage& inner) { return translated(inner).toStdString(); }));
}

// The same, for what a service says in words (why something is missing) as the core takes it.
inline std::string translatedText(const UiMessage& message)
{
    return translated(message).toStdString();
}

} // namespace kestrel
