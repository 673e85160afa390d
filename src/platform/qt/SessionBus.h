#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

class QFileSystemWatcher;

namespace kestrel {

// The session bus as Kestrel's own services use it, kept through a restart: when the bus's
// daemon ends, `lost` is said; when a daemon answers at the same address again (a session
// that restarts its bus, or one that was not up yet when Kestrel started), `connected` is,
// and `connection()` is the new one. Services export and watch again on it.
//
// Waiting costs nothing while nothing happens: the folder of the bus's socket is watched,
// and an attempt is made only when something in it changes (plus a few quick tries while a
// daemon that has made its socket is not listening yet). Only an address without a socket
// file (an abstract one, or TCP) is tried again on a slow timer.
class SessionBus final : public QObject {
    Q_OBJECT

public:
    // The bus at the session's address, first through Qt's own connection to it; nothing
    // without an address (no session bus is started behind the desktop's back).
    static std::unique_ptr<SessionBus> forThisSession();

    // The bus at `address`, first through `first` (connected or not).
    SessionBus(QString address, QDBusConnection first);
    ~SessionBus() override;

    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

    const QDBusConnection& connection() const { return m_connection; }
    bool isConnected() const { return m_connection.isConnected(); }

    // The folders whose socket files `address` names (D-Bus's escapes undone); `others` is
    // set when an address has no socket file to wait for.
    static QStringList socketFolders(const QString& address, bool* others = nullptr);
    // `address` without the servers' ids, which a restarted daemon does not keep.
    static QString withoutServerIds(const QString& address);

signals:
    void lost();
    void connected();

private slots:
    void onDisconnected();

private:
    void watchForLoss();
    void awaitBus();
    void tryConnecting();

    QString m_address;
    QDBusConnection m_connection;
    QString m_ownName; // the connection of Kestrel's own once Qt's is lost, by name
    int m_generation = 0;
    int m_quickTries = 0;
    bool m_triesSlowly = false; // an address without a socket file
    std::unique_ptr<QFileSystemWatcher> m_folders;
    QTimer m_retry;
};

} // namespace kestrel
