#include "platform/qt/SessionBus.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>

#include <chrono>

namespace kestrel {

namespace {

using namespace std::chrono_literals;

// A daemon makes its socket file before it listens on it: tries a moment apart, doubling,
// cover that gap (about 1.5 s in all) and then leave the bus to the next change.
constexpr auto firstQuickTry = 25ms;
constexpr int quickTries = 6;
// An address without a socket file is tried this often while the bus is away.
constexpr auto slowTry = 3s;

} // namespace

std::unique_ptr<SessionBus> SessionBus::forThisSession()
{
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (address.isEmpty())
        return nullptr;
    return std::make_unique<SessionBus>(address, QDBusConnection::sessionBus());
}

SessionBus::SessionBus(QString address, QDBusConnection first)
    : m_address(std::move(address)), m_connection(std::move(first))
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &SessionBus::tryConnecting);
    if (m_connection.isConnected())
        watchForLoss();
    else
        awaitBus();
}

SessionBus::~SessionBus()
{
    if (!m_ownName.isEmpty())
        QDBusConnection::disconnectFromBus(m_ownName);
}

QStringList SessionBus::socketFolders(const QString& address, bool* others)
{
    QStringList folders;
    bool withoutFile = false;
    for (const QString& entry : address.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QString path;
        if (entry.startsWith(QLatin1String("unix:"))) {
            for (const QString& pair : entry.mid(5).split(QLatin1Char(','))) {
                if (pair.startsWith(QLatin1String("path=")))
                    path = QString::fromUtf8(QByteArray::fromPercentEncoding(pair.mid(5).toUtf8()));
            }
        }
        if (path.isEmpty()) {
            withoutFile = true;
            continue;
        }
        const QString folder = QFileInfo(path).absolutePath();
        if (!folders.contains(folder))
            folders.append(folder);
    }
    if (others)
        *others = withoutFile;
    return folders;
}

QString SessionBus::withoutServerIds(const QString& address)
{
    QStringList entries;
    for (const QString& entry : address.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype colon = entry.indexOf(QLatin1Char(':'));
        QStringList kept;
        for (const QString& pair : entry.mid(colon + 1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            if (!pair.startsWith(QLatin1String("guid=")))
                kept.append(pair);
        }
        entries.append(entry.left(colon + 1) + kept.join(QLatin1Char(',')));
    }
    return entries.join(QLatin1Char(';'));
}

void SessionBus::watchForLoss()
{
    // libdbus says so on the connection itself when the daemon goes.
    m_connection.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"),
                         QStringLiteral("org.freedesktop.DBus.Local"), QStringLiteral("Disconnected"), this,
                         SLOT(onDisconnected()));
}

void SessionBus::onDisconnected()
{
    if (m_connection.isConnected())
        return; // an old connection's last word
    emit lost();
    awaitBus();
}

void SessionBus::awaitBus()
{
    const QStringList folders = socketFolders(m_address, &m_triesSlowly);
    m_folders = std::make_unique<QFileSystemWatcher>();
    m_folders->addPaths(folders);
    connect(m_folders.get(), &QFileSystemWatcher::directoryChanged, this, [this] {
        m_quickTries = 0;
        tryConnecting();
    });
    m_quickTries = quickTries; // none before something changed
    if (m_triesSlowly)
        m_retry.start(slowTry);
}

void SessionBus::tryConnecting()
{
    if (!m_ownName.isEmpty())
        QDBusConnection::disconnectFromBus(m_ownName);
    m_ownName = QStringLiteral("kestrel-session-%1").arg(++m_generation);
    QDBusConnection next = QDBusConnection::connectToBus(withoutServerIds(m_address), m_ownName);
    if (!next.isConnected()) {
        if (m_quickTries < quickTries)
            m_retry.start(firstQuickTry * (1 << m_quickTries++));
        else if (m_triesSlowly)
            m_retry.start(slowTry);
        return;
    }
    m_retry.stop();
    m_folders.reset();
    m_connection = next;
    watchForLoss();
    emit connected();
}

} // namespace kestrel
