#include "input/MouseMonitor.h"

#include "settings/Preferences.h"

#include <cmath>

namespace kestrel {

namespace {
constexpr std::int64_t middleButtonNumber = 2;
}

MouseMonitor::MouseMonitor(EventTapService& service, const DefaultsStore& defaults)
    : m_defaults(defaults),
      m_tap(service,
            {EventType::leftMouseDown, EventType::leftMouseUp, EventType::rightMouseDown, EventType::rightMouseUp,
             EventType::otherMouseDown, EventType::otherMouseUp, EventType::scrollWheel},
            [this](std::uint32_t type, const PlatformEvent& event) { handleEvent(type, event); })
{}

void MouseMonitor::start()
{
    m_tap.start();
}

void MouseMonitor::stop()
{
    m_tap.stop();
}

void MouseMonitor::handleEvent(std::uint32_t type, const PlatformEvent& event)
{
    const bool showPresses = Preferences::showClicksAndScrolling(m_defaults);
    const ModifierSet modifiers = modifierSet(event.flags);
    const bool isMiddle = event.buttonNumber == middleButtonNumber; // side buttons are ignored

    switch (type) {
    case EventType::leftMouseDown:
        if (showPresses)
            deliver(ButtonDown{MouseButton::left, modifiers});
        return;
    case EventType::leftMouseUp:
        deliver(ButtonUp{MouseButton::left});
        return;
    case EventType::rightMouseDown:
        if (showPresses)
            deliver(ButtonDown{MouseButton::right, modifiers});
        return;
    case EventType::rightMouseUp:
        deliver(ButtonUp{MouseButton::right});
        return;
    case EventType::otherMouseDown:
        if (showPresses && isMiddle)
            deliver(ButtonDown{MouseButton::middle, modifiers});
        return;
    case EventType::otherMouseUp:
        if (isMiddle)
            deliver(ButtonUp{MouseButton::middle});
        return;
    case EventType::scrollWheel:
        // Inertial steps after the fingers have left the trackpad are not the user's.
        if (!showPresses || event.momentumPhase != 0)
            return;
        if (const auto direction = scrollDirection(event))
            deliver(Scroll{*direction, modifiers});
        return;
    default:
        return;
    }
}

std::optional<ScrollDirection> MouseMonitor::scrollDirection(const PlatformEvent& event)
{
    const double vertical = event.scrollDeltaAxis1;
    const double horizontal = event.scrollDeltaAxis2;
    if (vertical == 0.0 && horizontal == 0.0)
        return std::nullopt;
    if (std::fabs(horizontal) > std::fabs(vertical))
        return horizontal > 0.0 ? ScrollDirection::left : ScrollDirection::right;
    return vertical > 0.0 ? ScrollDirection::up : ScrollDirection::down;
}

void MouseMonitor::deliver(const MouseEvent& event) const
{
    if (onMouseEvent)
        onMouseEvent(event);
}

} // namespace kestrel
