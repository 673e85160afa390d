#pragma once

#include "platform/PasswordFocusService.h"

#include <memory>
#include <string>

class QDBusConnection;
class QDBusServiceWatcher;
class QLibrary;
class QObject;

namespace kestrel {

class AtspiListener;
class SessionBus;

// Password fields as the accessibility bus (AT-SPI) reports them: which control has the
// focus and whether it is a password field, in every application that speaks AT-SPI.
//
// It follows the accessibility bus's name on the session bus and, while the bus is there,
// runs the accessibility module (libatspi on a thread of its own, see AtspiListener), loaded
// the first time a bus appears: a desktop without one pays nothing for it. Without a session
// bus only an accessibility bus named in AT_SPI_BUS_ADDRESS is used, as nothing may start a
// session bus (and the accessibility daemons) behind the desktop's back.
class AtspiPasswordFocus final : public PasswordFocusService {
public:
    // Follows the accessibility bus on `bus`, through the session bus's restarts; without a
    // session bus (nullptr), only the one AT_SPI_BUS_ADDRESS names.
    explicit AtspiPasswordFocus(SessionBus* bus);
    ~AtspiPasswordFocus() override;

    AtspiPasswordFocus(const AtspiPasswordFocus&) = delete;
    AtspiPasswordFocus& operator=(const AtspiPasswordFocus&) = delete;

    // The main loop the accessibility module needs, chosen by living while the application
    // object is made: one that does not run GLib's default main context (see the source).
    // Programs Kestrel starts later do not inherit the choice.
    class MainLoopChoice {
    public:
        MainLoopChoice();
        ~MainLoopChoice();
        MainLoopChoice(const MainLoopChoice&) = delete;
        MainLoopChoice& operator=(const MainLoopChoice&) = delete;

    private:
        bool m_chosenHere = false;
    };

    void setHandler(std::function<void(const FocusReport&)> handler) override;
    void readAccessibilityEnabled() override;
    void setAccessibilityEnabled(bool enabled) override;
    // Why focus changes are not reported, when they are not.
    const std::string& problem() const { return m_problem; }

private:
    void watchAccessibilityBus(const QDBusConnection& session);
    void start();
    void stop();

    std::function<void(const FocusReport&)> m_handler;
    std::unique_ptr<QObject> m_mainThread; // where the listener's news are delivered
    std::unique_ptr<QObject> m_busNews;    // where the session bus's losses and returns are heard
    std::unique_ptr<QDBusServiceWatcher> m_watcher;
    std::unique_ptr<QLibrary> m_module;
    std::unique_ptr<AtspiListener> m_listener;
    std::string m_problem;
};

} // namespace kestrel
