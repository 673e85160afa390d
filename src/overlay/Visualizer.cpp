#include "overlay/Visualizer.h"

#include "settings/Preferences.h"

namespace kestrel {

Visualizer::Visualizer(Services services)
    : m_services(services),
      m_keyboard(services.taps),
      m_mouse(services.taps, services.defaults),
      m_overlay({services.scheduler, services.defaults, services.screens, services.panels})
{
    m_keyboard.onKeyEvent = [this](const KeyEvent& event) { m_overlay.handle(event); };
    m_mouse.onMouseEvent = [this](const MouseEvent& event) { m_overlay.handle(event); };
    // The hot key holds the visualizer weakly: a press after it is gone does nothing.
    m_hotKey.emplace(services.hotKeys, ToggleHotKey::keyCode, ToggleHotKey::modifiers,
                     m_self.bind([](Visualizer& self) { self.toggle(); }));
    m_accessRequest = services.permission.accessRequest.subscribe([this](AccessRequest request) {
        if (request == AccessRequest::allowed && !isRunning && Preferences::showKeystrokes(m_services.defaults))
            start();
    });
    if (Preferences::showKeystrokes(services.defaults))
        start();
}

Visualizer::~Visualizer()
{
    m_services.permission.accessRequest.unsubscribe(m_accessRequest);
}

void Visualizer::start()
{
    if (!m_services.permission.isInputMonitoringGranted())
        return;
    m_keyboard.start();
    m_mouse.start();
    isRunning = m_keyboard.isRunning.get();
}

void Visualizer::stop()
{
    m_keyboard.stop();
    m_mouse.stop();
    m_overlay.hide();
    isRunning = false;
}

void Visualizer::toggle()
{
    const bool wasRunning = isRunning;
    // Written before the attempt: without access the wish to be on is still remembered.
    m_services.defaults.set(PreferenceKey::showKeystrokes, !wasRunning);
    if (wasRunning)
        stop();
    else
        start();
}

} // namespace kestrel
