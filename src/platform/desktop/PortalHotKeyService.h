#pragma once

#include "platform/HotKeyService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>

#include <map>
#include <memory>

namespace kestrel {

// System-wide shortcuts on Wayland, where no program may grab a key: the desktop portal's
// GlobalShortcuts (KDE Plasma offers it). Kestrel asks for its combination; the desktop may
// ask the user, who may also choose another one in the desktop's shortcut settings. A press
// reaches Kestrel as the portal's Activated signal.
class PortalHotKeyService final : public QObject, public HotKeyService {
    Q_OBJECT

public:
    // Nothing when the session's portal offers no global shortcuts (asked for at most a
    // second).
    static std::unique_ptr<PortalHotKeyService> create(QDBusConnection bus = QDBusConnection::sessionBus());
    ~PortalHotKeyService() override;

    // A registration is given at once; the portal binds the shortcut as it answers.
    std::optional<Registration> registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                               HotKeyIdentifier identifier, std::function<void()> onPressed) override;
    void unregisterHotKey(Registration registration) override;

    // The combination in the portal's words ("CTRL+ALT+LOGO+Return"); empty for a key it
    // has no name for here, leaving the choice to the user.
    static QString trigger(std::uint32_t keyCode, std::uint32_t modifiers);

private slots:
    void responded(const QDBusMessage& message);
    void activated(const QDBusMessage& message);

private:
    explicit PortalHotKeyService(QDBusConnection bus);
    // Asks the portal, and routes its answer on the request's object to `then`.
    void request(const QString& method, QList<QVariant> arguments, QVariantMap options,
                 std::function<void(const QVariantMap& results)> then);

    void closeSession(const QString& session);

    struct Shortcut {
        QString trigger;
        std::function<void()> onPressed;
        QString session; // the portal's session object, once made
    };

    QDBusConnection m_bus;
    std::map<Registration, Shortcut> m_shortcuts;
    Registration m_lastRegistration = 0;
    std::map<QString, std::function<void(const QVariantMap&)>> m_waiting; // by request object
    unsigned m_lastToken = 0;
};

} // namespace kestrel
