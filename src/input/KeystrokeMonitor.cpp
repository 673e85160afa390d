#include "input/KeystrokeMonitor.h"

#include "input/KeystrokeFormatter.h"

namespace kestrel {

KeystrokeMonitor::KeystrokeMonitor(EventTapService& service)
    : m_tap(service, {EventType::keyDown, EventType::keyUp, EventType::flagsChanged},
            [this](std::uint32_t type, const PlatformEvent& event) { handleEvent(type, event); })
{}

void KeystrokeMonitor::start()
{
    isRunning = m_tap.start();
}

void KeystrokeMonitor::stop()
{
    m_tap.stop();
    isRunning = false;
}

void KeystrokeMonitor::handleEvent(std::uint32_t type, const PlatformEvent& event)
{
    switch (type) {
    case EventType::flagsChanged:
        if (!onKeyEvent)
            return;
        if (event.keyCode == KeyCode::capsLock)
            onKeyEvent(CapsLockToggled{(event.flags & EventFlag::capsLock) != 0});
        else
            onKeyEvent(ModifiersChanged{modifierSet(event.flags)});
        return;
    case EventType::keyDown: {
        // Keys without a label (no layout text, function-key text) are not forwarded at
        // all; their key-up then finds nothing to release.
        auto info = KeystrokeFormatter::keyInfo(event);
        if (!info || !onKeyEvent)
            return;
        onKeyEvent(KeyDown{std::move(*info), modifierSet(event.flags), event.autorepeat != 0});
        return;
    }
    case EventType::keyUp:
        // Every release is delivered, so nothing stays shown as held.
        if (onKeyEvent)
            onKeyEvent(KeyUp{event.keyCode});
        return;
    default:
        return;
    }
}

} // namespace kestrel
