#pragma once

#include "common/UiText.h"

#include <QCoreApplication>
#include <QString>

namespace kestrel {

// A core text in the user's language, as the translations loaded say it.
inline QString translated(const UiText& text)
{
    return QCoreApplication::translate(text.context, text.source);
}

} // namespace kestrel
