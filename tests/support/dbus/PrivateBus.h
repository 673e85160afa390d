#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <string>

namespace kestrel::test {

// A D-Bus daemon of the test's own that activates only the services named (by default none),
// so nothing else the machine has installed starts behind the test's back. Any user may
// connect (a desktop shell runs as a user of its own). It ends with the object, or earlier,
// and may start again at the same address, as a session's bus restarts.
class PrivateBus {
public:
    // `activatable`: names of session services the machine has (org.a11y.Bus, …) that may be
    // started on demand.
    explicit PrivateBus(const QStringList& activatable = {});
    ~PrivateBus();

    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    bool isRunning() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }
    const QString& address() const { return m_address; }

    // Ends the daemon, and waits until its socket is gone.
    void stop();
    // Starts a daemon (again) at the same address.
    bool start();

private:
    std::string m_error;
    QTemporaryDir m_folder;
    QString m_config;
    QString m_address;
    qint64 m_pid = 0;
};

} // namespace kestrel::test
