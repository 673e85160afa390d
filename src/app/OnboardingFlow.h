#pragma once

#include "common/Observable.h"
#include "common/UiText.h"
#include "common/WeakSelf.h"
#include "platform/DefaultsStore.h"
#include "platform/PermissionService.h"
#include "platform/Scheduler.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

class Visualizer;

enum class OnboardingStep { welcome, permission, finish };

// What a page says above its buttons. The last page's body is the hot key's hint, written in
// the key labels the user chose, so it is not here.
struct OnboardingPageText {
    UiMessage title;
    UiMessage body;
};
// Where the system is asked through its dialog (`asksSystem`), nothing restarts after a grant.
OnboardingPageText onboardingPageText(OnboardingStep step, std::string_view appName, bool asksSystem = false);

// The steps of the welcome window, without the window: which pages there are, which one is
// shown, what the primary button does on each, and what finishing, closing and a newly
// granted permission change. While access is missing and the window is open it asks the
// permission service once a second, through the scheduler, so a grant made elsewhere moves
// the permission page on by itself; once access is there, or the window has gone, no timer
// runs.
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
    // The primary button's title on the page shown: one of these, or the permission's
    // "Allow…".
    static constexpr UiText continueTitle = KESTREL_TEXT("Onboarding", "Continue");
    static constexpr UiText openSystemSettingsTitle = KESTREL_TEXT("Onboarding", "Open System Settings…");
    static constexpr UiText getStartedTitle = KESTREL_TEXT("Onboarding", "Get Started");
    UiText primaryTitle() const;
    // What a screen reader says for the step indicator: "Step 2 of 3".
    UiMessage stepDescription() const;
    void back();
    // "Continue", "Allow…", "Open System Settings…" or "Get Started", as the page and access
    // say.
    void primaryAction();
    // The window's close button: onboarding counts as done, nothing is started.
    void closedByUser();

private:
    void moveTo(int newIndex);
    void schedulePoll();
    void stopPolling();
    void poll();
    void permissionGranted();
    void finish();

    Services m_services;
    Callbacks m_callbacks;
    std::vector<OnboardingStep> m_steps;
    std::optional<Scheduler::Handle> m_poll;
    bool m_ended = false;
    WeakSelf<OnboardingFlow> m_self{this};
};

} // namespace kestrel
