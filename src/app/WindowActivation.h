#pragma once

#include "common/Observable.h"
#include "common/WeakSelf.h"
#include "platform/Scheduler.h"

#include <set>

namespace kestrel {

// One of Kestrel's own windows (settings, onboarding, the update window), as the activation
// service sees it. The overlay is never one of them.
class ShellWindow {
public:
    virtual ~ShellWindow() = default;
    // Shows the window, raises it and gives it the keyboard focus.
    virtual void bringToFront() = 0;
};

// accessory: Kestrel is a tray item and nothing else; regular: one of its windows is open.
enum class ActivationPolicy { accessory, regular };

// Tracks which of Kestrel's windows are open and switches the process between a tray
// accessory and a regular application with windows. Each window registers as it is shown
// and unregisters as it closes; the update service marks the time it shows an update. On
// Linux the policy has no look of its own: becoming regular brings the window that caused it
// to the front once the switch has taken effect (on the next turn of the main loop).
class WindowActivation {
public:
    explicit WindowActivation(Scheduler& scheduler);

    WindowActivation(const WindowActivation&) = delete;
    WindowActivation& operator=(const WindowActivation&) = delete;

    // Registers a window that is about to be shown.
    void show(ShellWindow& window);
    // Unregisters a window that is closing; accessory again when none is left and no
    // update is being shown.
    void hide(ShellWindow& window);

    // Written by the update service around the time it shows an update.
    void beginShowingUpdate();
    void endShowingUpdate();
    bool isShowingUpdate() const { return m_isShowingUpdate; }

    bool isOpen(const ShellWindow& window) const { return m_openWindows.contains(&window); }
    Observable<ActivationPolicy> policy{ActivationPolicy::accessory};

private:
    void becomeAccessoryWhenNothingIsOpen();

    Scheduler& m_scheduler;
    std::set<const ShellWindow*> m_openWindows;
    bool m_isShowingUpdate = false;
    WeakSelf<WindowActivation> m_self{this};
};

} // namespace kestrel
