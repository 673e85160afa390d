#pragma once

#include "app/Appcast.h"
#include "app/UpdateReminders.h"
#include "app/UpdateUserDriver.h"
#include "common/Observable.h"
#include "common/WeakSelf.h"
#include "platform/DefaultsStore.h"
#include "platform/Scheduler.h"
#include "platform/UpdateServices.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace kestrel {

// Kestrel's updates. It reads the update feed every 24 hours while automatic checks are on
// (the first time 10 s after start when the last check is older than that) and whenever the
// user asks. A scheduled check that finds an update only sets the pending mark (the dots and
// "Update Available…"): it never opens a window or takes the focus. A check the user asked
// for shows its progress and its result in the update window, where an update can be
// installed, put off or skipped. Installing downloads the package, checks its length and
// signature, deletes it when they do not match, and otherwise hands it to the system.
//
// Without a feed address Kestrel is updated with the rest of the system (a distribution's
// package): nothing is checked and no check can be started. The time of the last check, the
// automatic-check setting and a skipped version live in Kestrel's state file.
class AppUpdater {
public:
    static constexpr std::chrono::hours checkInterval{24};
    static constexpr std::chrono::seconds firstCheckDelay{10};
    // Kestrel's package is a few megabytes; a feed that announces far more is not believed.
    static constexpr std::uint64_t maximumPackageSize = 256ull * 1024 * 1024;

    struct Services {
        WindowActivation& activation;
        Scheduler& scheduler;
        DefaultsStore& state;
        std::function<std::chrono::system_clock::time_point()> wallClock;
        // Nothing of these is used without a feed.
        UpdateNetwork* network = nullptr;
        PackageVerifier* verifier = nullptr;
        PackageInstaller* installer = nullptr;
    };

    AppUpdater(Services services, std::string feedURL, std::string currentVersion);

    AppUpdater(const AppUpdater&) = delete;
    AppUpdater& operator=(const AppUpdater&) = delete;

    // False while a check or an installation runs, and always without a feed.
    Observable<bool> canCheckForUpdates{false};
    // Read through; assign with setAutomaticallyChecksForUpdates.
    const Observable<bool>& automaticallyChecksForUpdates() const { return m_automaticallyChecks; }
    // Stored every time, even unchanged; turning it on schedules the next check.
    void setAutomaticallyChecksForUpdates(bool on);
    UpdateReminders reminders;

    bool updatesComeFromTheSystem() const { return m_feedURL.empty(); }

    // A check the user asked for. While one runs, or an update is on screen, it shows that
    // again instead of starting another.
    void checkForUpdates();
    // Set once, by whoever draws the update window; without it user-initiated checks still
    // run, silently.
    void setUserDriver(UpdateUserDriver* driver) { m_driver = driver; }
    // The update window was closed.
    void userDriverDidClose();

private:
    enum class Busy { no, checking, installing };

    void scheduleNextCheck(std::chrono::milliseconds delay);
    void scheduleFromLastCheck();
    void check(bool userInitiated);
    void checked(bool userInitiated, UpdateNetwork::Feed feed);
    void offer(const AppcastItem& update);
    void choose(const AppcastItem& update, UpdateChoice choice);
    void install(const AppcastItem& update);
    void downloaded(const AppcastItem& update, UpdateNetwork::Download download);
    void setBusy(Busy busy);

    Services m_services;
    std::string m_feedURL;
    std::optional<Version> m_currentVersion;
    std::string m_currentVersionText;
    Observable<bool> m_automaticallyChecks{false};
    UpdateUserDriver* m_driver = nullptr;
    Busy m_busy = Busy::no;
    std::optional<Scheduler::Handle> m_nextCheck;
    std::optional<AppcastItem> m_shownUpdate;
    WeakSelf<AppUpdater> m_self{this};
};

} // namespace kestrel
