#pragma once

#include "app/UpdateReminders.h"
#include "common/Observable.h"

#include <functional>
#include <string>

namespace kestrel {

// The update service as the tray panel, the settings and the tray icon see it: whether a
// check can start now, whether checks run on their own, the pending-update mark, and a
// user-initiated check. Without a feed, Kestrel is updated with the rest of the system
// (a distribution's package): checks are off and cannot be started.
class AppUpdater {
public:
    AppUpdater(WindowActivation& activation, std::string feedURL) : reminders(activation), m_feedURL(std::move(feedURL))
    {}

    Observable<bool> canCheckForUpdates{false};
    Observable<bool> automaticallyChecksForUpdates{false};
    UpdateReminders reminders;

    bool updatesComeFromTheSystem() const { return m_feedURL.empty(); }
    const std::string& feedURL() const { return m_feedURL; }

    // A check the user asked for: shows its progress and its result, including an update
    // that is already waiting.
    void checkForUpdates()
    {
        if (onCheckRequested)
            onCheckRequested();
    }
    // Set once by the checker that does the work.
    std::function<void()> onCheckRequested;

private:
    std::string m_feedURL;
};

} // namespace kestrel
