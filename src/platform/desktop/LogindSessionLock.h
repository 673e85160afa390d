#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>

#include <chrono>
#include <functional>
#include <string>

namespace kestrel {

// Whether typing must be withheld because the user is not at this session's desktop, as
// systemd-logind says: the session is locked (its LockedHint, which the screen lockers of
// GNOME and KDE set, or a Lock request that the locker has not yet answered) or another
// session or a text console is in front (it is not Active). On a Wayland desktop Kestrel
// reads the keyboard below all of these, so what is typed there must not reach the overlay.
class LogindSessionLock final : public QObject {
    Q_OBJECT

public:
    // Finds this process's session on `bus` (the system bus), or the user's graphical session
    // when the process belongs to none; each question is awaited for at most a second.
    // A Lock request that the locker does not answer (it does not tell logind) withholds
    // typing for `unansweredLock`.
    explicit LogindSessionLock(QDBusConnection bus = QDBusConnection::systemBus(),
                               std::chrono::milliseconds unansweredLock = std::chrono::seconds(5));

    bool withholdsTyping() const { return m_withholds; }
    // Empty when the session's state is known; otherwise why not, in words.
    const std::string& problem() const { return m_problem; }
    // Called when withholding starts or ends.
    std::function<void(bool withholds)> onChange;
    // Called just before withholding ends, while it still holds: input that came meanwhile
    // is to be taken now, so it is judged by the state it was typed in.
    std::function<void()> beforeRelease;

private slots:
    void propertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);
    void lockRequested();
    void unlockRequested();

private:
    QString findSession();
    void readProperties();
    void update();

    QDBusConnection m_bus;
    QString m_session; // the session's object path
    bool m_lockedHint = false;
    bool m_active = true;
    bool m_lockRequested = false; // and not yet answered by LockedHint
    QTimer m_lockAnswer;
    bool m_withholds = false;
    std::string m_problem;
};

} // namespace kestrel
