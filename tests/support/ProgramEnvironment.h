#pragma once

#include <QProcessEnvironment>

namespace kestrel::test {

// The environment of a program a test starts: the machine's own, but with Kestrel's texts in
// English whatever language the machine is set to, as the tests read them.
inline QProcessEnvironment programEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    return environment;
}

} // namespace kestrel::test
