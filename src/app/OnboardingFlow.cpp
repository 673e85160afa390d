#include "app/OnboardingFlow.h"

#include "app/InputMonitoringPermission.h"
#include "overlay/Visualizer.h"
#include "settings/Preferences.h"

namespace kestrel {

bool OnboardingFlow::shouldShow(const DefaultsStore& defaults)
{
    return !Preferences::hasCompletedOnboarding(defaults);
}

OnboardingFlow::OnboardingFlow(Services services, Callbacks callbacks)
    : m_services(services), m_callbacks(std::move(callbacks))
{
    // Asked for earlier and granted since: the user was sent away to grant it and comes
    // back to the last page.
    const bool startAtEnd = Preferences::hasRequestedInputMonitoring(m_services.defaults) &&
                            m_services.permission.isInputMonitoringGranted();
    const bool granted = m_services.permission.isInputMonitoringGranted();
    m_steps = granted ? std::vector{OnboardingStep::welcome, OnboardingStep::finish}
                      : std::vector{OnboardingStep::welcome, OnboardingStep::permission, OnboardingStep::finish};
    isGranted = granted;
    index = startAtEnd ? static_cast<int>(m_steps.size()) - 1 : 0;
}

OnboardingFlow::~OnboardingFlow()
{
    if (m_poll)
        m_services.scheduler.cancel(*m_poll);
}

void OnboardingFlow::moveTo(int newIndex)
{
    index = std::clamp(newIndex, 0, static_cast<int>(m_steps.size()) - 1);
    schedulePoll();
}

void OnboardingFlow::back()
{
    moveTo(index.get() - 1);
}

void OnboardingFlow::primaryAction()
{
    switch (step()) {
    case OnboardingStep::welcome:
        moveTo(index.get() + 1);
        break;
    case OnboardingStep::permission:
        if (isGranted)
            moveTo(index.get() + 1);
        else
            InputMonitoringPermission::request(m_services.defaults, m_services.permission);
        break;
    case OnboardingStep::finish:
        finish();
        break;
    }
}

void OnboardingFlow::schedulePoll()
{
    const bool wanted = step() == OnboardingStep::permission && !isGranted;
    if (!wanted && m_poll)
        m_services.scheduler.cancel(*std::exchange(m_poll, std::nullopt));
    else if (wanted && !m_poll)
        m_poll = m_services.scheduler.schedule(pollInterval, m_self.bind([](OnboardingFlow& self) { self.poll(); }));
}

void OnboardingFlow::poll()
{
    m_poll.reset();
    if (!m_services.permission.isInputMonitoringGranted()) {
        schedulePoll();
        return;
    }
    isGranted = true;
    permissionGranted();
    if (step() == OnboardingStep::permission)
        moveTo(index.get() + 1);
}

void OnboardingFlow::permissionGranted()
{
    m_services.defaults.set(PreferenceKey::showKeystrokes, true);
    m_services.visualizer.start();
    // Granted, yet the taps still fail: only a new process sees the grant.
    if (!m_services.visualizer.isRunning && m_callbacks.relaunch)
        m_callbacks.relaunch();
}

void OnboardingFlow::finish()
{
    m_services.defaults.set(PreferenceKey::showKeystrokes, true);
    m_services.visualizer.start();
    m_services.defaults.set(PreferenceKey::hasCompletedOnboarding, true);
    if (m_poll)
        m_services.scheduler.cancel(*std::exchange(m_poll, std::nullopt));
    if (m_callbacks.close)
        m_callbacks.close();
}

void OnboardingFlow::closedByUser()
{
    m_services.defaults.set(PreferenceKey::hasCompletedOnboarding, true);
    if (m_poll)
        m_services.scheduler.cancel(*std::exchange(m_poll, std::nullopt));
}

} // namespace kestrel
