#include "platform/atspi/AtspiPasswordFocus.h"

#include "common/ui/Translated.h"
#include "platform/qt/DBusNames.h"

#include "platform/atspi/AtspiListener.h"
#include "platform/qt/KestrelModule.h"
#include "platform/qt/SessionBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QLibrary>
#include <QMetaObject>
#include <QObject>

#include <cstdlib>

namespace kestrel {

namespace {

// The accessibility bus's launcher owns this name on the session bus while the bus runs,
// and keeps the desktop's accessibility switch.
const QString accessibilityBusName = QStringLiteral("org.a11y.Bus");
const QString accessibilityBusPath = QStringLiteral("/org/a11y/bus");
const QString statusInterface = QStringLiteral("org.a11y.Status");
const QString enabledProperty = QStringLiteral("IsEnabled");

bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

} // namespace

// libatspi opens a direct connection to each application it asks about, and hands it to the
// process's default GLib main context. Qt's GLib main loop runs that context on the main
// thread, which then takes the application's answers off the connection while the
// accessibility thread waits for them: each wait then ran to its timeout (seen with GTK and
// Chromium, 700 ms). Without GLib in Qt's main loop the waiting thread reads its answers
// itself; nothing else of Kestrel uses GLib.
constexpr const char* qtWithoutGlib = "QT_NO_GLIB";

AtspiPasswordFocus::MainLoopChoice::MainLoopChoice() : m_chosenHere(!qEnvironmentVariableIsSet(qtWithoutGlib))
{
    if (m_chosenHere)
        qputenv(qtWithoutGlib, "1");
}

AtspiPasswordFocus::MainLoopChoice::~MainLoopChoice()
{
    if (m_chosenHere)
        qunsetenv(qtWithoutGlib);
}

AtspiPasswordFocus::AtspiPasswordFocus(SessionBus* bus)
    : m_mainThread(std::make_unique<QObject>()), m_busNews(std::make_unique<QObject>())
{
    if (!bus) {
        if (isSet("AT_SPI_BUS_ADDRESS")) {
            start();
        } else {
            m_problem = translatedText(KESTREL_TEXT("PasswordFields", "there is no session bus"));
            availability = Availability::unavailable;
        }
        return;
    }
    // The accessibility bus's launcher goes with a session bus that ends; a new session bus
    // may start a new one.
    QObject::connect(bus, &SessionBus::lost, m_busNews.get(), [this] {
        m_watcher.reset();
        stop();
        m_problem = translatedText(KESTREL_TEXT("PasswordFields", "the session bus has gone"));
        availability = Availability::unavailable;
    });
    QObject::connect(bus, &SessionBus::connected, m_busNews.get(), [this, bus] {
        availability = Availability::looking;
        watchAccessibilityBus(bus->connection());
    });
    if (!bus->isConnected()) {
        m_problem = translatedText(KESTREL_TEXT("PasswordFields", "the session bus cannot be reached"));
        availability = Availability::unavailable;
        return;
    }
    watchAccessibilityBus(bus->connection());
}

void AtspiPasswordFocus::watchAccessibilityBus(const QDBusConnection& session)
{
    m_watcher =
        std::make_unique<QDBusServiceWatcher>(accessibilityBusName, session, QDBusServiceWatcher::WatchForOwnerChange);
    QObject::connect(m_watcher.get(), &QDBusServiceWatcher::serviceOwnerChanged,
                     [this](const QString&, const QString&, const QString& newOwner) {
                         stop();
                         if (newOwner.isEmpty()) {
                             m_problem =
                                 translatedText(KESTREL_TEXT("PasswordFields", "the accessibility bus has gone"));
                             availability = Availability::unavailable;
                         } else {
                             start();
                         }
                     });
    // Is it there already? Asked without waiting; the watcher reports any change from now on.
    auto* asked = new QDBusPendingCallWatcher(
        session.interface()->asyncCall(QStringLiteral("NameHasOwner"), accessibilityBusName), m_mainThread.get());
    QObject::connect(asked, &QDBusPendingCallWatcher::finished, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        const QDBusPendingReply<bool> owned = *call;
        if (m_listener || availability.get() != Availability::looking)
            return; // the watcher was quicker
        if (owned.isValid() && owned.value()) {
            start();
        } else {
            m_problem = translatedText(KESTREL_TEXT("PasswordFields", "there is no accessibility bus (AT-SPI)"));
            availability = Availability::unavailable;
        }
    });
}

AtspiPasswordFocus::~AtspiPasswordFocus()
{
    stop(); // joined: nothing is posted after this
}

void AtspiPasswordFocus::setHandler(std::function<void(const FocusReport&)> handler)
{
    m_handler = std::move(handler);
}

void AtspiPasswordFocus::readAccessibilityEnabled()
{
    if (!m_watcher || !isAvailable())
        return;
    QDBusMessage get = QDBusMessage::createMethodCall(accessibilityBusName, accessibilityBusPath,
                                                      dbus::propertiesInterface, QStringLiteral("Get"));
    get << statusInterface << enabledProperty;
    auto* asked = new QDBusPendingCallWatcher(m_watcher->connection().asyncCall(get), m_mainThread.get());
    QObject::connect(asked, &QDBusPendingCallWatcher::finished, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (reply.isValid() && isAvailable())
            accessibilityEnabled = reply.value().variant().toBool();
    });
}

void AtspiPasswordFocus::setAccessibilityEnabled(bool enabled)
{
    if (!m_watcher || !isAvailable())
        return;
    QDBusMessage set = QDBusMessage::createMethodCall(accessibilityBusName, accessibilityBusPath,
                                                      dbus::propertiesInterface, QStringLiteral("Set"));
    set << statusInterface << enabledProperty << QVariant::fromValue(QDBusVariant(enabled));
    auto* asked = new QDBusPendingCallWatcher(m_watcher->connection().asyncCall(set), m_mainThread.get());
    // Read back: a desktop without a settings store refuses it silently.
    QObject::connect(asked, &QDBusPendingCallWatcher::finished, [this](QDBusPendingCallWatcher* call) {
        call->deleteLater();
        readAccessibilityEnabled();
    });
}

void AtspiPasswordFocus::start()
{
    if (m_listener)
        return;
    if (!m_module) {
        std::string error;
        LoadedModule module = loadKestrelModule(AtspiListener::moduleName, AtspiListener::factoryName, error);
        if (!module.entry) {
            m_problem = translatedText(
                {KESTREL_TEXT("PasswordFields", "Kestrel's accessibility module could not be loaded (%1)"), {error}});
            availability = Availability::unavailable;
            return;
        }
        m_module = std::move(module.library);
    }
    const auto create = reinterpret_cast<AtspiListener::Factory>(m_module->resolve(AtspiListener::factoryName));
    QObject* mainThread = m_mainThread.get();
    AtspiListener::Callbacks callbacks{
        .report =
            [this, mainThread](const FocusReport& report) {
                QMetaObject::invokeMethod(
                    mainThread,
                    [this, report] {
                        if (m_handler)
                            m_handler(report);
                    },
                    Qt::QueuedConnection);
            },
        .listening =
            [this, mainThread](bool listening) {
                QMetaObject::invokeMethod(
                    mainThread,
                    [this, listening] {
                        if (!listening)
                            m_problem =
                                translatedText(KESTREL_TEXT("PasswordFields", "the accessibility bus did not answer"));
                        else
                            m_problem.clear();
                        availability = listening ? Availability::available : Availability::unavailable;
                        readAccessibilityEnabled();
                    },
                    Qt::QueuedConnection);
            },
    };
    m_listener.reset(create(&callbacks));
}

void AtspiPasswordFocus::stop()
{
    m_listener.reset();
    accessibilityEnabled = std::nullopt;
    // News still on their way from the stopped listener would speak of an old bus.
    m_mainThread = std::make_unique<QObject>();
}

} // namespace kestrel
