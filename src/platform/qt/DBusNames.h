#pragma once

#include <QString>

// What Kestrel's clients of D-Bus services share.
namespace kestrel::dbus {

// The standard interface every object's properties are read through.
inline const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
// How long a service may take to answer a call Kestrel waits for (milliseconds): a service
// that is slower than this is taken as absent, so Kestrel never hangs on one.
inline constexpr int answerTimeoutMs = 1000;

} // namespace kestrel::dbus
