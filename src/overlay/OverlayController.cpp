#include "overlay/OverlayController.h"

#include "overlay/KeyLabels.h"

#include "overlay/PanelPlacement.h"
#include "settings/Preferences.h"

#include <cmath>

namespace kestrel {

OverlayController::OverlayController(Services services) : m_services(services) {}

OverlayController::~OverlayController()
{
    // The tasks would find us gone anyway; cancelling spares the scheduler their wake-ups.
    cancel(m_hideTask);
    for (auto& [id, task] : m_releaseTasks)
        m_services.scheduler.cancel(task.handle);
}

void OverlayController::handle(const KeyEvent& event)
{
    const DefaultsStore& defaults = m_services.defaults;
    m_state.apply(event, Preferences::showShiftWithCapitals(defaults), Preferences::isShortcutsOnly(defaults));
    // Caps lock sends no key-up: pop its cap up after a moment.
    if (std::holds_alternative<CapsLockToggled>(event))
        scheduleRelease(std::string(KeycapId::capsLock), capsLockReleaseDelay);
    refresh();
}

void OverlayController::handle(const MouseEvent& event)
{
    m_state.apply(event);
    if (std::holds_alternative<Scroll>(event))
        scheduleRelease(std::string(KeycapId::scroll), scrollReleaseDelay);
    refresh();
}

void OverlayController::hide()
{
    cancel(m_hideTask);
    for (auto& [id, task] : m_releaseTasks)
        m_services.scheduler.cancel(task.handle);
    m_releaseTasks.clear();
    m_state = InputDisplayState{};
    m_model.keycaps = std::vector<Keycap>{};
    if (m_panel)
        m_panel->orderOut();
}

void OverlayController::refresh()
{
    if (m_state.keycaps.empty())
        return;
    const DefaultsStore& defaults = m_services.defaults;
    if (!m_panel)
        m_panel = m_services.panels.makePanel(m_model);

    const OverlayPosition position = Preferences::overlayPosition(defaults);
    const UnitPoint custom{Preferences::customPositionX(defaults), Preferences::customPositionY(defaults)};
    place(*m_panel, position, custom);
    m_model.alignment = PanelPlacement::alignment(position);
    m_model.anchor = position == OverlayPosition::custom ? std::optional<UnitPoint>(custom) : std::nullopt;
    m_model.fontSize = fontSize(Preferences::overlaySize(defaults));
    m_model.keyColor = Preferences::keyColor(defaults);
    m_model.keycaps = KeyLabels::styled(m_state.keycaps, Preferences::keyLabelStyle(defaults));
    m_panel->orderFrontRegardless();

    if (m_state.isHoldingAnything())
        cancel(m_hideTask);
    else
        scheduleHide();
}

void OverlayController::place(OverlayPanel& panel, OverlayPosition position, UnitPoint custom)
{
    const DefaultsStore& defaults = m_services.defaults;
    const ScreenService& screens = m_services.screens;
    const auto screen = PanelPlacement::resolveScreen(
        Preferences::overlayDisplay(defaults), screens.screens(), [&] { return screens.pointerLocation(); },
        screens.mainScreen());
    // With no screen at all the panel keeps its frame; the model still updates.
    if (!screen)
        return;
    panel.setFrame(PanelPlacement::panelFrame(position, screen->visibleFrame, custom));
}

void OverlayController::scheduleHide()
{
    cancel(m_hideTask);
    const auto delay = hideDelay(Preferences::displayDuration(m_services.defaults));
    const std::uint64_t generation = ++m_lastGeneration;
    const auto handle = m_services.scheduler.schedule(delay, m_self.bind([generation](OverlayController& self) {
        if (!self.m_hideTask || self.m_hideTask->generation != generation)
            return;
        self.m_hideTask.reset();
        // Only the list empties: what is held stays held, and the panel stays up, empty, while
        // the view fades the row out.
        self.m_state.keycaps.clear();
        self.m_model.keycaps = std::vector<Keycap>{};
    }));
    m_hideTask = Task{handle, generation};
}

void OverlayController::scheduleRelease(const std::string& id, std::chrono::milliseconds delay)
{
    if (auto armed = m_releaseTasks.find(id); armed != m_releaseTasks.end())
        m_services.scheduler.cancel(armed->second.handle);
    const std::uint64_t generation = ++m_lastGeneration;
    const auto handle = m_services.scheduler.schedule(delay, m_self.bind([id, generation](OverlayController& self) {
        const auto armed = self.m_releaseTasks.find(id);
        if (armed == self.m_releaseTasks.end() || armed->second.generation != generation)
            return;
        self.m_state.release(id);
        self.refresh();
    }));
    m_releaseTasks.insert_or_assign(id, Task{handle, generation});
}

void OverlayController::cancel(std::optional<Task>& task)
{
    if (!task)
        return;
    m_services.scheduler.cancel(task->handle);
    task.reset();
}

std::chrono::milliseconds OverlayController::hideDelay(double seconds)
{
    using namespace std::chrono;
    if (!(seconds > 0)) // the preferences never give NaN; should one come, it hides at once
        return milliseconds{0};
    if (seconds >= duration<double>(longestDisplayDuration).count())
        return duration_cast<milliseconds>(longestDisplayDuration);
    return milliseconds{std::llround(seconds * 1000)};
}

double OverlayController::fontSize(OverlaySize size)
{
    switch (size) {
    case OverlaySize::small:
        return 48;
    case OverlaySize::medium:
        return 64;
    case OverlaySize::large:
        return 80;
    }
    return 64;
}

} // namespace kestrel
