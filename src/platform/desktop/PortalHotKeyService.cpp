#include "platform/desktop/PortalHotKeyService.h"

#include "platform/qt/DBusNames.h"

#include "input/EventRecords.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace kestrel {

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString sessionInterface = QStringLiteral("org.freedesktop.portal.Session");

// A map of the portal's answers, whether it came as a map or still marshalled.
QVariantMap asMap(const QVariant& value)
{
    if (value.canConvert<QDBusArgument>()) {
        QVariantMap map;
        value.value<QDBusArgument>() >> map;
        return map;
    }
    return value.toMap();
}

// An object path, whether the portal sent it as a path or as a string.
QString asPath(const QVariant& value)
{
    return value.canConvert<QDBusObjectPath>() && value.userType() == qMetaTypeId<QDBusObjectPath>()
               ? value.value<QDBusObjectPath>().path()
               : value.toString();
}

// One shortcut as BindShortcuts takes it: an id and its description and wished-for trigger.
struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

} // namespace

} // namespace kestrel

Q_DECLARE_METATYPE(kestrel::PortalShortcut)
Q_DECLARE_METATYPE(QList<kestrel::PortalShortcut>)

namespace kestrel {

std::unique_ptr<PortalHotKeyService> PortalHotKeyService::create(QDBusConnection bus)
{
    if (!bus.isConnected())
        return nullptr;
    QDBusMessage get =
        QDBusMessage::createMethodCall(portalService, portalPath, dbus::propertiesInterface, QStringLiteral("Get"));
    get << shortcutsInterface << QStringLiteral("version");
    const QDBusMessage reply = bus.call(get, QDBus::Block, dbus::answerTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage)
        return nullptr;
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    return std::unique_ptr<PortalHotKeyService>(new PortalHotKeyService(std::move(bus)));
}

PortalHotKeyService::PortalHotKeyService(QDBusConnection bus) : m_bus(std::move(bus))
{
    m_bus.connect(portalService, portalPath, shortcutsInterface, QStringLiteral("Activated"), this,
                  SLOT(activated(QDBusMessage)));
}

PortalHotKeyService::~PortalHotKeyService()
{
    for (const auto& [registration, shortcut] : m_shortcuts)
        closeSession(shortcut.session);
}

QString PortalHotKeyService::trigger(std::uint32_t keyCode, std::uint32_t modifiers)
{
    // The portal names keys by their X keysym names; Kestrel's hot key is on Return.
    QString key;
    if (keyCode == KeyCode::returnKey)
        key = QStringLiteral("Return");
    if (key.isEmpty())
        return {};
    QString combination;
    if (modifiers & HotKeyModifier::control)
        combination += QStringLiteral("CTRL+");
    if (modifiers & HotKeyModifier::option)
        combination += QStringLiteral("ALT+");
    if (modifiers & HotKeyModifier::shift)
        combination += QStringLiteral("SHIFT+");
    if (modifiers & HotKeyModifier::command)
        combination += QStringLiteral("LOGO+");
    return combination + key;
}

void PortalHotKeyService::request(const QString& method, QList<QVariant> arguments, QVariantMap options,
                                  std::function<void(const QVariantMap& results)> then)
{
    // The portal answers on a request object whose path Kestrel can tell beforehand: watch it
    // before asking, so the answer cannot come first.
    const QString token = QStringLiteral("kestrel%1").arg(++m_lastToken);
    QString sender = m_bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    m_waiting[path] = std::move(then);
    m_bus.connect(portalService, path, requestInterface, QStringLiteral("Response"), this,
                  SLOT(responded(QDBusMessage)));
    options.insert(QStringLiteral("handle_token"), token);
    arguments.append(options);
    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, shortcutsInterface, method);
    call.setArguments(arguments);
    m_bus.call(call, QDBus::NoBlock);
}

std::optional<HotKeyService::Registration> PortalHotKeyService::registerHotKey(std::uint32_t keyCode,
                                                                               std::uint32_t modifiers,
                                                                               HotKeyIdentifier,
                                                                               std::function<void()> onPressed)
{
    const Registration registration = ++m_lastRegistration;
    m_shortcuts[registration] = Shortcut{trigger(keyCode, modifiers), std::move(onPressed), {}};
    request(
        QStringLiteral("CreateSession"), {},
        {{QStringLiteral("session_handle_token"), QStringLiteral("kestrel%1").arg(registration)}},
        [this, registration](const QVariantMap& results) {
            const QString session = asPath(results.value(QStringLiteral("session_handle")));
            const auto shortcut = m_shortcuts.find(registration);
            if (shortcut == m_shortcuts.end()) {
                // Given up before the portal answered: end its session too.
                closeSession(session);
                return;
            }
            shortcut->second.session = session;
            QVariantMap properties{{QStringLiteral("description"), QStringLiteral("Show keys, or stop showing them")}};
            if (!shortcut->second.trigger.isEmpty())
                properties.insert(QStringLiteral("preferred_trigger"), shortcut->second.trigger);
            const QList<PortalShortcut> shortcuts{{QStringLiteral("toggle"), properties}};
            request(QStringLiteral("BindShortcuts"),
                    {QVariant::fromValue(QDBusObjectPath(shortcut->second.session)), QVariant::fromValue(shortcuts),
                     QString()},
                    {}, [](const QVariantMap&) {});
        });
    return registration;
}

void PortalHotKeyService::unregisterHotKey(Registration registration)
{
    const auto shortcut = m_shortcuts.find(registration);
    if (shortcut == m_shortcuts.end())
        return;
    closeSession(shortcut->second.session);
    m_shortcuts.erase(shortcut);
}

void PortalHotKeyService::closeSession(const QString& session)
{
    if (!session.isEmpty())
        m_bus.call(QDBusMessage::createMethodCall(portalService, session, sessionInterface, QStringLiteral("Close")),
                   QDBus::NoBlock);
}

void PortalHotKeyService::responded(const QDBusMessage& message)
{
    const auto waiting = m_waiting.find(message.path());
    if (waiting == m_waiting.end())
        return;
    const auto then = std::move(waiting->second);
    m_waiting.erase(waiting);
    m_bus.disconnect(portalService, message.path(), requestInterface, QStringLiteral("Response"), this,
                     SLOT(responded(QDBusMessage)));
    const QList<QVariant> arguments = message.arguments();
    // 0: done; 1: the user said no; 2: something else ended it.
    if (arguments.size() < 2 || arguments[0].toUInt() != 0)
        return;
    then(asMap(arguments[1]));
}

void PortalHotKeyService::activated(const QDBusMessage& message)
{
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2 || arguments[1].toString() != QStringLiteral("toggle"))
        return;
    const QString session = asPath(arguments[0]);
    // A handler may unregister: call a copy.
    for (const auto& [registration, shortcut] : m_shortcuts) {
        if (shortcut.session == session) {
            const auto onPressed = shortcut.onPressed;
            onPressed();
            return;
        }
    }
}

} // namespace kestrel
