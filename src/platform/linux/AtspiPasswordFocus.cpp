// GLib's headers before Qt's: Qt's `signals` keyword would otherwise rename a GIO field.
#include <atspi/atspi.h>
#include <gio/gio.h>

#include "platform/linux/AtspiPasswordFocus.h"

#include <QMetaObject>
#include <QObject>

#include <pthread.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <thread>

namespace kestrel {

namespace {

// What Kestrel listens to. Never keystrokes: a keystroke listener makes every application's
// typing wait for Kestrel to answer.
constexpr const char* focusEvent = "object:state-changed:focused";
constexpr const char* deactivateEvent = "window:deactivate";
constexpr const char* insertEvent = "object:text-changed:insert";
constexpr const char* listenedEvents[]{focusEvent, deactivateEvent, insertEvent};

// How long libatspi may wait for an application's answer; a hung one costs no more.
constexpr int answerTimeoutMilliseconds = 100;

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// The session bus, as the session announces it. Without an address nothing is started:
// libdbus would otherwise launch a bus (and the accessibility daemons) of its own.
std::string sessionBusAddress()
{
    if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address && *address)
        return address;
    return {};
}

} // namespace

struct AtspiPasswordFocus::Worker {
    explicit Worker(AtspiPasswordFocus& owner) : owner(owner)
    {
        thread = std::thread([this] { run(); });
    }

    ~Worker()
    {
        g_main_loop_quit(loop);
        thread.join();
        g_main_loop_unref(loop);
        g_main_context_unref(context);
    }

    void run()
    {
        pthread_setname_np(pthread_self(), "kestrel-a11y");
        g_main_context_push_thread_default(context);
        watchBus();
        g_main_loop_run(loop);
        stopListening();
        if (watch != 0)
            g_bus_unwatch_name(watch);
        if (session)
            g_object_unref(session);
        g_main_context_pop_thread_default(context);
    }

    void watchBus()
    {
        const std::string address = sessionBusAddress();
        if (address.empty()) {
            // No session bus to ask; an accessibility bus named outright still works.
            if (const char* direct = std::getenv("AT_SPI_BUS_ADDRESS"); direct && *direct)
                startListening();
            else
                announce(Availability::unavailable);
            return;
        }
        GError* error = nullptr;
        session = g_dbus_connection_new_for_address_sync(
            address.c_str(),
            static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                              G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
            nullptr, nullptr, &error);
        if (!session) {
            g_error_free(error);
            announce(Availability::unavailable);
            return;
        }
        // The accessibility bus's launcher owns this name while the bus runs.
        watch = g_bus_watch_name_on_connection(
            session, "org.a11y.Bus", G_BUS_NAME_WATCHER_FLAGS_NONE,
            [](GDBusConnection*, const gchar*, const gchar*, gpointer self) {
                static_cast<Worker*>(self)->startListening();
            },
            [](GDBusConnection*, const gchar*, gpointer self) {
                auto& worker = *static_cast<Worker*>(self);
                worker.stopListening();
                worker.announce(Availability::unavailable);
            },
            this, nullptr);
    }

    void startListening()
    {
        if (listener)
            return;
        // Only a return of 0 is a start: after any other, libatspi's next call may end the
        // process, so it is only reset for a later try.
        if (atspi_init() != 0) {
            atspi_exit();
            announce(Availability::unavailable);
            return;
        }
        atspi_set_main_context(context);
        atspi_set_timeout(answerTimeoutMilliseconds, answerTimeoutMilliseconds);
        listener = atspi_event_listener_new(&Worker::onEvent, this, nullptr);
        for (const char* event : listenedEvents) {
            GError* error = nullptr;
            atspi_event_listener_register(listener, event, &error);
            if (error)
                g_error_free(error); // it may still deliver; the first focus change will tell
        }
        announce(Availability::available);
    }

    void stopListening()
    {
        if (!listener)
            return;
        for (const char* event : listenedEvents)
            atspi_event_listener_deregister(listener, event, nullptr);
        g_object_unref(listener);
        listener = nullptr;
        forgetFocus();
        atspi_exit();
    }

    void forgetFocus()
    {
        if (focused)
            g_object_unref(focused);
        focused = nullptr;
        focusedIsPassword = false;
    }

    static void onEvent(AtspiEvent* event, void* self)
    {
        static_cast<Worker*>(self)->handle(*event);
        g_boxed_free(atspi_event_get_type(), event);
    }

    void handle(const AtspiEvent& event)
    {
        const std::string_view type = event.type ? event.type : "";
        if (startsWith(type, focusEvent)) {
            if (event.detail1 == 0) {
                if (event.source && event.source == focused) {
                    forgetFocus();
                    report({FocusReport::Kind::unfocused, false});
                }
                return;
            }
            forgetFocus();
            GError* error = nullptr;
            const AtspiRole role = event.source ? atspi_accessible_get_role(event.source, &error) : ATSPI_ROLE_INVALID;
            if (error || !event.source) {
                if (error)
                    g_error_free(error);
                report({FocusReport::Kind::unfocused, false}); // gone already: unknown
                return;
            }
            // Held until the next report, so no other control can take its address (which
            // tells the main thread whether a report repeats the one before).
            focused = static_cast<AtspiAccessible*>(g_object_ref(event.source));
            focusedIsPassword = role == ATSPI_ROLE_PASSWORD_TEXT;
            report({FocusReport::Kind::focused, focusedIsPassword, reinterpret_cast<std::uintptr_t>(focused)});
        } else if (startsWith(type, deactivateEvent)) {
            forgetFocus();
            report({FocusReport::Kind::unfocused, false});
        } else if (startsWith(type, insertEvent)) {
            // Only whether text reached the focused control; the text itself is never read
            // (some toolkits send a password field's characters in clear).
            if (focused && event.source == focused)
                report({FocusReport::Kind::textInserted, focusedIsPassword, reinterpret_cast<std::uintptr_t>(focused)});
        }
    }

    void report(FocusReport report)
    {
        owner.post([&owner = owner, report] {
            if (owner.m_handler)
                owner.m_handler(report);
        });
    }

    void announce(Availability availability)
    {
        owner.post([&owner = owner, availability] { owner.availability = availability; });
    }

    AtspiPasswordFocus& owner;
    GMainContext* context = g_main_context_new();
    GMainLoop* loop = g_main_loop_new(context, FALSE);
    GDBusConnection* session = nullptr;
    guint watch = 0;
    AtspiEventListener* listener = nullptr;
    AtspiAccessible* focused = nullptr;
    bool focusedIsPassword = false;
    std::thread thread;
};

AtspiPasswordFocus::AtspiPasswordFocus()
    : m_mainThread(std::make_unique<QObject>()), m_worker(std::make_unique<Worker>(*this))
{}

AtspiPasswordFocus::~AtspiPasswordFocus()
{
    m_worker.reset(); // joined: nothing is posted after this
}

void AtspiPasswordFocus::setHandler(std::function<void(const FocusReport&)> handler)
{
    m_handler = std::move(handler);
}

void AtspiPasswordFocus::post(std::function<void()> task)
{
    QMetaObject::invokeMethod(m_mainThread.get(), std::move(task), Qt::QueuedConnection);
}

} // namespace kestrel
