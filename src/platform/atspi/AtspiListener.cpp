// The accessibility module (see AtspiListener), loaded by Kestrel when an accessibility bus
// appears.
#include "platform/atspi/AtspiListener.h"

#include "input/PasswordGuard.h"

#include <atspi/atspi.h>

#include <pthread.h>

#include <chrono>
#include <cstdint>
#include <optional>
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

// How long libatspi may wait for an application's answer, and how often a control is asked
// what it is before Kestrel gives up on knowing: a hung application holds the listener up no
// longer than keys typed meanwhile wait (and a busy browser has time to answer).
constexpr std::chrono::milliseconds answerTimeout{250};
constexpr int roleAttempts = 4;
static_assert(answerTimeout * roleAttempts <= PasswordGuard::transitionLimit);

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

class AtspiListenerThread final : public AtspiListener {
public:
    // Starts libatspi on the calling thread (Kestrel's main thread), then lets a thread of
    // its own run its events. libatspi first attaches its connection to the process's
    // default main context, which the main thread runs: started there, nothing can dispatch
    // the connection from two threads before it moves to the listener's own context.
    explicit AtspiListenerThread(Callbacks callbacks) : m_callbacks(std::move(callbacks))
    {
        const bool listening = start();
        m_callbacks.listening(listening);
        if (listening)
            m_thread = std::thread([this] { run(); });
    }

    ~AtspiListenerThread() override
    {
        if (m_thread.joinable()) {
            // Through the loop itself, so that a quit sent before the loop runs is not lost.
            GSource* quit = g_idle_source_new();
            g_source_set_callback(
                quit,
                [](gpointer loop) -> gboolean {
                    g_main_loop_quit(static_cast<GMainLoop*>(loop));
                    return G_SOURCE_REMOVE;
                },
                m_loop, nullptr);
            g_source_attach(quit, m_context);
            g_source_unref(quit);
            m_thread.join();
        }
        stop();
        g_main_loop_unref(m_loop);
        g_main_context_unref(m_context);
    }

private:
    void run()
    {
        pthread_setname_np(pthread_self(), "kestrel-a11y");
        g_main_context_push_thread_default(m_context);
        g_main_loop_run(m_loop);
        g_main_context_pop_thread_default(m_context);
    }

    bool start()
    {
        // Only a return of 0 is a start: after any other, libatspi's next call may end the
        // process, so it is only reset.
        if (atspi_init() != 0) {
            atspi_exit();
            return false;
        }
        m_started = true;
        atspi_set_main_context(m_context);
        atspi_set_timeout(static_cast<int>(answerTimeout.count()), static_cast<int>(answerTimeout.count()));
        m_listener = atspi_event_listener_new(&AtspiListenerThread::onEvent, this, nullptr);
        for (const char* event : listenedEvents) {
            GError* error = nullptr;
            atspi_event_listener_register(m_listener, event, &error);
            if (error)
                g_error_free(error); // it may deliver all the same
        }
        return true;
    }

    void stop()
    {
        if (m_listener) {
            for (const char* event : listenedEvents)
                atspi_event_listener_deregister(m_listener, event, nullptr);
            g_object_unref(m_listener);
            m_listener = nullptr;
        }
        forgetFocus();
        if (m_started)
            atspi_exit();
    }

    void forgetFocus()
    {
        if (m_focused)
            g_object_unref(m_focused);
        m_focused = nullptr;
        m_focusedIsPassword = false;
    }

    static void onEvent(AtspiEvent* event, void* self)
    {
        static_cast<AtspiListenerThread*>(self)->handle(*event);
        g_boxed_free(atspi_event_get_type(), event);
    }

    void handle(const AtspiEvent& event)
    {
        const std::string_view type = event.type ? event.type : "";
        if (startsWith(type, focusEvent)) {
            if (event.detail1 == 0) {
                if (event.source && event.source == m_focused) {
                    forgetFocus();
                    m_callbacks.report({FocusReport::Kind::unfocused, false});
                }
                return;
            }
            // Asking a control what it is can take a busy application (a browser, say) a good
            // part of a second: Kestrel knows at once that the focus moved, and waits to know
            // where. A repeat of the focused control's report tells nothing new meanwhile.
            if (event.source != m_focused)
                m_callbacks.report({FocusReport::Kind::moving, false});
            forgetFocus();
            const std::optional<AtspiRole> role = event.source ? roleOf(event.source) : std::nullopt;
            if (!role) {
                m_callbacks.report({FocusReport::Kind::unfocused, false}); // gone already: unknown
                return;
            }
            // Held until the next report, so no other control can take its address (which
            // tells Kestrel whether a report repeats the one before).
            m_focused = static_cast<AtspiAccessible*>(g_object_ref(event.source));
            m_focusedIsPassword = *role == ATSPI_ROLE_PASSWORD_TEXT;
            m_callbacks.report({FocusReport::Kind::focused, m_focusedIsPassword, control()});
        } else if (startsWith(type, deactivateEvent)) {
            forgetFocus();
            m_callbacks.report({FocusReport::Kind::unfocused, false});
        } else if (startsWith(type, insertEvent)) {
            // Only whether text reached the focused control; the text itself is never read
            // (some toolkits send a password field's characters in clear).
            if (m_focused && event.source == m_focused)
                m_callbacks.report({FocusReport::Kind::textInserted, m_focusedIsPassword, control()});
        }
    }

    // What a control is, asked again while its application is too busy to answer in time
    // (and keys typed meanwhile wait); nothing once it is gone.
    static std::optional<AtspiRole> roleOf(AtspiAccessible* control)
    {
        for (int attempt = 1;; ++attempt) {
            const auto asked = std::chrono::steady_clock::now();
            GError* error = nullptr;
            const AtspiRole role = atspi_accessible_get_role(control, &error);
            if (!error)
                return role;
            g_error_free(error);
            const bool timedOut = std::chrono::steady_clock::now() - asked >= answerTimeout - answerTimeout / 10;
            if (!timedOut || attempt == roleAttempts)
                return std::nullopt;
        }
    }

    std::uint64_t control() const { return reinterpret_cast<std::uintptr_t>(m_focused); }

    Callbacks m_callbacks;
    GMainContext* m_context = g_main_context_new();
    GMainLoop* m_loop = g_main_loop_new(m_context, FALSE);
    bool m_started = false;
    AtspiEventListener* m_listener = nullptr;
    AtspiAccessible* m_focused = nullptr;
    bool m_focusedIsPassword = false;
    std::thread m_thread;
};

} // namespace

} // namespace kestrel

extern "C" __attribute__((visibility("default"))) kestrel::AtspiListener*
kestrelCreateAtspiListener(kestrel::AtspiListener::Callbacks* callbacks)
{
    return new kestrel::AtspiListenerThread(std::move(*callbacks));
}
