#include "app/OnboardingFlow.h"

#include "app/InputMonitoringPermission.h"
#include "overlay/Visualizer.h"
#include "settings/Preferences.h"

namespace kestrel {

OnboardingPageText onboardingPageText(OnboardingStep step, std::string_view appName, bool asksSystem)
{
    const std::string name(appName);
    switch (step) {
    case OnboardingStep::welcome:
        return {{KESTREL_TEXT("Onboarding", "Welcome to %1"), {name}},
                KESTREL_TEXT("Onboarding", "Show your keys and clicks on screen as you present, teach, or record.")};
    case OnboardingStep::permission:
        if (asksSystem)
            return {
                KESTREL_TEXT("Onboarding", "Permission"),
                {KESTREL_TEXT("Onboarding", "Required to show the keys you press. %1 never stores or sends what you "
                                            "type."),
                 {name}}};
        return {KESTREL_TEXT("Onboarding", "Permission"),
                {KESTREL_TEXT("Onboarding", "Required to show the keys you press. %1 never stores or sends what you "
                                            "type. %1 may restart after you allow it."),
                 {name}}};
    case OnboardingStep::finish:
        return {KESTREL_TEXT("Onboarding", "All set!"), {}};
    }
    return {};
}

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
    schedulePoll();
}

OnboardingFlow::~OnboardingFlow()
{
    if (m_poll)
        m_services.scheduler.cancel(*m_poll);
}

void OnboardingFlow::moveTo(int newIndex)
{
    index = std::clamp(newIndex, 0, static_cast<int>(m_steps.size()) - 1);
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

UiText OnboardingFlow::primaryTitle() const
{
    switch (step()) {
    case OnboardingStep::welcome:
        return continueTitle;
    case OnboardingStep::permission:
        if (isGranted)
            return continueTitle;
        return m_services.permission.asksSystem() ? InputMonitoringPermission::allowTitle : openSystemSettingsTitle;
    case OnboardingStep::finish:
        return getStartedTitle;
    }
    return {};
}

UiMessage OnboardingFlow::stepDescription() const
{
    return {KESTREL_TEXT("Onboarding", "Step %1 of %2"),
            {std::to_string(index.get() + 1), std::to_string(m_steps.size())}};
}

void OnboardingFlow::schedulePoll()
{
    if (!isGranted && !m_ended && !m_poll)
        m_poll = m_services.scheduler.schedule(pollInterval, m_self.bind([](OnboardingFlow& self) { self.poll(); }));
}

void OnboardingFlow::stopPolling()
{
    m_ended = true;
    if (m_poll)
        m_services.scheduler.cancel(*std::exchange(m_poll, std::nullopt));
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
    stopPolling();
    if (m_callbacks.close)
        m_callbacks.close();
}

void OnboardingFlow::closedByUser()
{
    m_services.defaults.set(PreferenceKey::hasCompletedOnboarding, true);
    stopPolling();
}

} // namespace kestrel
