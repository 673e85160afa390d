#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <string>

namespace kestrel {

// Whether the login session Kestrel runs in is locked, as systemd-logind says: its
// LockedHint, which the desktop's screen locker sets, and its Lock and Unlock requests. On a
// Wayland desktop Kestrel reads the keyboard below the locker, so what is typed into a lock
// screen is withheld while this says locked.
class LogindSessionLock final : public QObject {
    Q_OBJECT

public:
    // Finds this process's session on `bus` (the system bus), or the user's graphical session
    // when the process belongs to none. The answer is awaited for at most a second.
    explicit LogindSessionLock(QDBusConnection bus = QDBusConnection::systemBus());

    bool isLocked() const { return m_locked; }
    // Empty when the session's lock state is known; otherwise why not, in words.
    const std::string& problem() const { return m_problem; }
    // Called when the state changes.
    std::function<void(bool locked)> onChange;

private slots:
    void propertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);
    void lockRequested();
    void unlockRequested();

private:
    QString findSession();
    void readLockedHint();
    void setLocked(bool locked);

    QDBusConnection m_bus;
    QString m_session; // the session's object path
    bool m_locked = false;
    std::string m_problem;
};

} // namespace kestrel
