#pragma once

#include "common/Observable.h"
#include "common/WeakSelf.h"
#include "input/GlobalHotKey.h"
#include "input/KeystrokeMonitor.h"
#include "input/MouseMonitor.h"
#include "overlay/OverlayController.h"
#include "platform/PermissionService.h"

#include <optional>

namespace kestrel {

// The object that makes Kestrel run: it owns both monitors, the overlay controller and the
// toggle hot key, routes every event to the controller, and switches the whole chain on
// and off. The tray panel, the settings and onboarding read isRunning and call start() and
// stop(). It decides nothing about what is shown.
class Visualizer {
public:
    struct Services {
        EventTapService& taps;
        HotKeyService& hotKeys;
        PermissionService& permission;
        DefaultsStore& defaults;
        Scheduler& scheduler;
        const ScreenService& screens;
        OverlayPanelFactory& panels;
    };

    // Starts at once when "showKeystrokes" is on and input access is granted, and later when
    // access comes through the system's dialog while "showKeystrokes" is on.
    explicit Visualizer(Services services);
    ~Visualizer();

    Visualizer(const Visualizer&) = delete;
    Visualizer& operator=(const Visualizer&) = delete;

    // True while the keyboard tap runs.
    Observable<bool> isRunning{false};

    // Does nothing without input access: asking is the tray panel's and onboarding's job.
    void start();
    void stop();
    // The hot key's action: records the new "showKeystrokes" first, then starts or stops.
    void toggle();

    const OverlayController& overlay() const { return m_overlay; }
    // Whether the toggle hot key turns Kestrel on and off: false where another program holds
    // the combination or the session lets no program take one.
    bool hotKeyWorks() const { return m_hotKey && m_hotKey->isRegistered(); }

private:
    Services m_services;
    KeystrokeMonitor m_keyboard;
    MouseMonitor m_mouse;
    OverlayController m_overlay;
    std::optional<GlobalHotKey> m_hotKey;
    Observable<AccessRequest>::Subscription m_accessRequest = 0;
    WeakSelf<Visualizer> m_self{this};
};

} // namespace kestrel
