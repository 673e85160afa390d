#pragma once

#include "common/UiText.h"
#include "common/ui/QtText.h"

#include <QCoreApplication>
#include <QString>

namespace kestrel {

// `message` with each of its texts (its own, and those of messages in its places) as `lookup`
// gives it, or in English where `lookup` has none; a text of the system's own (no context) is
// shown as it is.
template <typename Lookup>
QString translatedBy(const UiMessage& message, const Lookup& lookup)
{
    if (message.isEmpty())
        return {};
    QString text = *message.text.context ? lookup(message.text) : QString();
    if (text.isEmpty())
        text = QString::fromUtf8(message.text.source);
    if (message.arguments.empty())
        return text;
    return qt(fillPlaces(text.toStdString(), message.arguments,
                         [&](const UiMessage& inner) { return translatedBy(inner, lookup).toStdString(); }));
}

// A core text in the user's language, as the translations installed say it, its places
// filled in the translation's own order.
inline QString translated(const UiMessage& message)
{
    return translatedBy(message,
                        [](const UiText& text) { return QCoreApplication::translate(text.context, text.source); });
}

// The same, for what a service says in words (why something is missing) as the core takes it.
inline std::string translatedText(const UiMessage& message)
{
    return translated(message).toStdString();
}

} // namespace kestrel
