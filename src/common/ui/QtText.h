#pragma once

#include <QString>

#include <string_view>

namespace kestrel {

// Kestrel's texts are UTF-8 in the core; Qt's are QString.
inline QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace kestrel
