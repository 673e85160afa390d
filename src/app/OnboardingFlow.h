#pragma once

#include "common/Observable.h"
#include "common/WeakSelf.h"
#include "platform/DefaultsStore.h"
#include "platform/PermissionService.h"
#include "platform/Scheduler.h"

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

namespace kestrel {

class Visualizer;

enum class OnboardingStep { welcome, permission, finish };

// The steps of the welcome window, without the window: which pages there are, which one is
// shown, what the primary button does on each, and what finishing, closing and a newly
// granted permission change. While the permission page is shown and access is missing it
// asks the permission service once a second, through the scheduler; on every other page,
// and once access is there, no timer runs.
class OnboardingFlow {
public:
    static constexpr std::chrono::seconds pollInterval{1};

    struct Services {
        DefaultsStore& defaults;
        PermissionService& permission;
        Scheduler& scheduler;
        Visualizer& visualizer;
    };
    struct Callbacks {
        std::function<void()> close;    // the window goes
        std::function<void()> relaunch; // start Kestrel anew and quit this one
    };

    // Whether a launch opens the welcome window: unless "hasCompletedOnboarding" is stored
    // as the Boolean true.
    static bool shouldShow(const DefaultsStore& defaults);

    OnboardingFlow(Services services, Callbacks callbacks);
    ~OnboardingFlow();

    OnboardingFlow(const OnboardingFlow&) = delete;
    OnboardingFlow& operator=(const OnboardingFlow&) = delete;

    // [welcome, finish] when access is already there, else all three.
    const std::vector<OnboardingStep>& steps() const { return m_steps; }
    Observable<int> index{0};
    Observable<bool> isGranted{false};
    OnboardingStep step() const { return m_steps[static_cast<std::size_t>(index.get())]; }

    bool canGoBack() const { return index.get() > 0; }
    void back();
    // "Continue", "Open System Settings…" or "Get Started", as the page and access say.
    void primaryAction();
    // The window's close button: onboarding counts as done, nothing is started.
    void closedByUser();

private:
    void moveTo(int newIndex);
    void schedulePoll();
    void poll();
    void permissionGranted();
    void finish();

    Services m_services;
    Callbacks m_callbacks;
    std::vector<OnboardingStep> m_steps;
    std::optional<Scheduler::Handle> m_poll;
    WeakSelf<OnboardingFlow> m_self{this};
};

} // namespace kestrel
