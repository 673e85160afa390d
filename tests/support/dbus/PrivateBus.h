#pragma once

#include <QString>
#include <QTemporaryDir>

#include <string>

namespace kestrel::test {

// A D-Bus daemon of the test's own that activates nothing: no service directory, so nothing
// the machine has installed starts behind the test's back. It ends with the object.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();

    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool isRunning() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }
    const QString& address() const { return m_address; }

private:
    std::string m_error;
    QTemporaryDir m_folder;
    QString m_address;
    qint64 m_pid = 0;
};

} // namespace kestrel::test
