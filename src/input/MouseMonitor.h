#pragma once

#include "input/EventRecords.h"
#include "input/EventTap.h"
#include "platform/DefaultsStore.h"

#include <functional>
#include <optional>

namespace kestrel {

// Listens to mouse buttons and the scroll wheel system-wide and hands each on as one
// MouseEvent. It applies "showClicksAndScrolling" itself, read afresh for every event:
// when off, presses and scrolls are dropped but releases still pass, so nothing stays held.
// The visualizer owns one and starts and stops it with the keystroke monitor.
class MouseMonitor {
public:
    MouseMonitor(EventTapService& service, const DefaultsStore& defaults);

    MouseMonitor(const MouseMonitor&) = delete;
    MouseMonitor& operator=(const MouseMonitor&) = delete;

    std::function<void(const MouseEvent&)> onMouseEvent;

    // The result is not kept: whether mouse events flow is shown nowhere.
    void start();
    void stop();

    void handleEvent(std::uint32_t type, const PlatformEvent& event);

    // The direction of one scroll step, or nothing when it carries no movement. The larger
    // axis wins; equal magnitudes favour the vertical one.
    static std::optional<ScrollDirection> scrollDirection(const PlatformEvent& event);

private:
    void deliver(const MouseEvent& event) const;

    const DefaultsStore& m_defaults;
    EventTap m_tap;
};

} // namespace kestrel
