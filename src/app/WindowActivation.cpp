#include "app/WindowActivation.h"

namespace kestrel {

WindowActivation::WindowActivation(Scheduler& scheduler) : m_scheduler(scheduler) {}

void WindowActivation::show(ShellWindow& window)
{
    m_openWindows.insert(&window);
    if (policy.get() == ActivationPolicy::regular)
        return; // the opener brings its window to the front itself
    policy = ActivationPolicy::regular;
    // After the switch has taken effect; a window closed in the meantime stays closed.
    m_scheduler.schedule(std::chrono::milliseconds{0}, m_self.bind([&window](WindowActivation& self) {
        if (self.isOpen(window))
            window.bringToFront();
    }));
}

void WindowActivation::hide(ShellWindow& window)
{
    m_openWindows.erase(&window);
    becomeAccessoryWhenNothingIsOpen();
}

void WindowActivation::beginShowingUpdate()
{
    m_isShowingUpdate = true;
    policy = ActivationPolicy::regular;
}

void WindowActivation::endShowingUpdate()
{
    m_isShowingUpdate = false;
    becomeAccessoryWhenNothingIsOpen();
}

void WindowActivation::becomeAccessoryWhenNothingIsOpen()
{
    if (m_openWindows.empty() && !m_isShowingUpdate)
        policy = ActivationPolicy::accessory;
}

} // namespace kestrel
