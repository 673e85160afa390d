#pragma once

#include "common/Observable.h"
#include "input/EventRecords.h"
#include "input/EventTap.h"

#include <functional>

namespace kestrel {

// Listens to every key press, release and modifier change system-wide and hands each on as
// one KeyEvent. It labels pressed keys through the keystroke formatter and decides nothing
// about what is shown: auto-repeat, display mode and Shift are the display state's business.
// The visualizer owns one, sets onKeyEvent once, and starts and stops it.
class KeystrokeMonitor {
public:
    explicit KeystrokeMonitor(EventTapService& service);

    KeystrokeMonitor(const KeystrokeMonitor&) = delete;
    KeystrokeMonitor& operator=(const KeystrokeMonitor&) = delete;

    // True only while the tap is installed; false when the system refused it.
    Observable<bool> isRunning{false};
    // Receives every event, synchronously, inside the tap's delivery.
    std::function<void(const KeyEvent&)> onKeyEvent;

    void start();
    void stop();

    // Called by the tap for each delivered event.
    void handleEvent(std::uint32_t type, const PlatformEvent& event);

private:
    EventTap m_tap;
};

} // namespace kestrel
