#include "app/AppUpdater.h"

namespace kestrel {

namespace {

// Kestrel's state file keys for its updates.
constexpr std::string_view automaticChecksKey = "automaticallyChecksForUpdates";
constexpr std::string_view lastCheckKey = "lastUpdateCheck"; // seconds since the epoch
constexpr std::string_view skippedVersionKey = "skippedVersion";

using std::chrono::duration_cast;
using std::chrono::milliseconds;

} // namespace

AppUpdater::AppUpdater(Services services, std::string feedURL, std::string currentVersion)
    : reminders(services.activation),
      m_services(std::move(services)),
      m_feedURL(std::move(feedURL)),
      m_currentVersion(Version::parse(currentVersion)),
      m_currentVersionText(std::move(currentVersion))
{
    if (updatesComeFromTheSystem() || !m_services.network)
        return;
    canCheckForUpdates = true;
    const auto stored = m_services.state.object(automaticChecksKey);
    m_automaticallyChecks = stored ? DefaultsStore::toBool(*stored) : true; // on by default with a feed
    if (m_automaticallyChecks)
        scheduleFromLastCheck();
}

void AppUpdater::setAutomaticallyChecksForUpdates(bool on)
{
    m_services.state.set(automaticChecksKey, on);
    m_automaticallyChecks = on;
    if (updatesComeFromTheSystem() || !m_services.network)
        return;
    if (!on && m_nextCheck)
        m_services.scheduler.cancel(*std::exchange(m_nextCheck, std::nullopt));
    else if (on && !m_nextCheck)
        scheduleFromLastCheck();
}

void AppUpdater::scheduleFromLastCheck()
{
    milliseconds delay = firstCheckDelay;
    if (const auto last = m_services.state.object(lastCheckKey)) {
        const auto lastCheck = std::chrono::system_clock::time_point(duration_cast<std::chrono::system_clock::duration>(
            std::chrono::duration<double>(DefaultsStore::toDouble(*last))));
        const auto since = m_services.wallClock() - lastCheck;
        // A clock set back makes the last check look like the future: check soon then.
        if (since >= std::chrono::system_clock::duration::zero() && since < checkInterval)
            delay = std::max<milliseconds>(delay, duration_cast<milliseconds>(checkInterval - since));
    }
    scheduleNextCheck(delay);
}

void AppUpdater::scheduleNextCheck(milliseconds delay)
{
    if (m_nextCheck)
        m_services.scheduler.cancel(*m_nextCheck);
    m_nextCheck = m_services.scheduler.schedule(delay, m_self.bind([](AppUpdater& self) {
        self.m_nextCheck.reset();
        if (self.m_busy == Busy::no)
            self.check(false);
        else if (self.m_automaticallyChecks)
            self.scheduleNextCheck(checkInterval); // the user's own check is running
    }));
}

void AppUpdater::checkForUpdates()
{
    if (updatesComeFromTheSystem() || !m_services.network)
        return;
    if (m_busy != Busy::no || m_shownUpdate) {
        // Already on its way, or on screen: show that again.
        if (m_driver && m_shownUpdate && m_busy == Busy::no)
            m_driver->showUpdate(*m_shownUpdate,
                                 m_self.bind([update = *m_shownUpdate](AppUpdater& self, UpdateChoice choice) {
                                     self.choose(update, choice);
                                 }));
        else if (m_driver && m_busy == Busy::checking)
            m_driver->showChecking();
        return;
    }
    check(true);
}

void AppUpdater::check(bool userInitiated)
{
    setBusy(Busy::checking);
    if (userInitiated && m_driver) {
        m_services.activation.beginShowingUpdate();
        m_driver->showChecking();
    }
    m_services.network->fetchFeed(m_feedURL, m_self.bind([userInitiated](AppUpdater& self, UpdateNetwork::Feed feed) {
        self.checked(userInitiated, std::move(feed));
    }));
}

void AppUpdater::checked(bool userInitiated, UpdateNetwork::Feed feed)
{
    setBusy(Busy::no);
    if (!userInitiated && m_automaticallyChecks)
        scheduleNextCheck(checkInterval);
    const auto tell = [&](const UiMessage& message) {
        if (userInitiated && m_driver)
            m_driver->showError(message);
    };
    // A check that fails says so when asked for, and changes nothing else.
    if (!feed.error.isEmpty())
        return tell({KESTREL_TEXT("Updates", "Kestrel could not check for updates: %1"), {feed.error}});
    if (!hasReadableVersion(feed.items) || !m_currentVersion)
        return tell(KESTREL_TEXT("Updates", "The update feed names no version Kestrel can read, so Kestrel cannot "
                                            "tell whether it is newer."));
    m_services.state.set(lastCheckKey,
                         std::chrono::duration<double>(m_services.wallClock().time_since_epoch()).count());

    const auto update = newestUpdate(feed.items, *m_currentVersion);
    if (!update) {
        reminders.didNotFindUpdate();
        if (userInitiated && m_driver)
            m_driver->showUpToDate(m_currentVersionText);
        return;
    }
    if (!userInitiated) {
        // Gently: the mark only. A version the user skipped is not brought up again.
        const auto skipped = m_services.state.object(skippedVersionKey);
        if (!(skipped && std::holds_alternative<std::string>(*skipped) &&
              std::get<std::string>(*skipped) == update->version))
            reminders.foundUpdateGently();
        return;
    }
    offer(*update);
}

void AppUpdater::offer(const AppcastItem& update)
{
    m_shownUpdate = update;
    reminders.willShowUpdate();
    if (m_driver)
        m_driver->showUpdate(
            update, m_self.bind([update](AppUpdater& self, UpdateChoice choice) { self.choose(update, choice); }));
}

void AppUpdater::choose(const AppcastItem& update, UpdateChoice choice)
{
    if (!m_shownUpdate || *m_shownUpdate != update || m_busy != Busy::no)
        return; // answered already
    reminders.userMadeChoice(choice);
    if (choice == UpdateChoice::skip)
        m_services.state.set(skippedVersionKey, update.version);
    if (choice == UpdateChoice::install)
        install(update);
    else
        m_shownUpdate.reset();
}

void AppUpdater::install(const AppcastItem& update)
{
    const auto refuse = [&](const UiMessage& message) {
        m_shownUpdate.reset();
        if (m_driver)
            m_driver->showError(message);
    };
    if (update.edSignature.empty() || update.enclosureLength == 0 || !m_services.verifier || !m_services.installer)
        return refuse(KESTREL_TEXT("Updates", "This update is not signed, and Kestrel installs only signed updates."));
    if (update.enclosureLength > maximumPackageSize)
        return refuse({KESTREL_TEXT("Updates", "The update feed announces a package of %1 MiB, far larger than "
                                               "Kestrel; it was not downloaded."),
                       {std::to_string(update.enclosureLength >> 20)}});
    setBusy(Busy::installing);
    if (m_driver)
        m_driver->showDownloading(0, update.enclosureLength);
    m_services.network->download(
        update.enclosureURL, update.enclosureLength,
        m_self.bind([total = update.enclosureLength](AppUpdater& self, std::uint64_t received) {
            if (self.m_driver)
                self.m_driver->showDownloading(received, total);
        }),
        m_self.bind([update](AppUpdater& self, UpdateNetwork::Download download) {
            self.downloaded(update, std::move(download));
        }));
}

void AppUpdater::downloaded(const AppcastItem& update, UpdateNetwork::Download download)
{
    setBusy(Busy::no);
    m_shownUpdate.reset();
    const auto tell = [&](const UiMessage& message) {
        if (m_driver)
            m_driver->showError(message);
    };
    if (!download.error.isEmpty())
        return tell({KESTREL_TEXT("Updates", "The update could not be downloaded: %1"), {download.error}});
    if (const UiMessage mismatch =
            m_services.verifier->verify(download.file, update.enclosureLength, update.edSignature);
        !mismatch.isEmpty()) {
        std::error_code ignored;
        std::filesystem::remove(download.file, ignored); // never handed to anyone
        return tell({KESTREL_TEXT("Updates",
                                  "The downloaded update was deleted because it is not the one the feed describes: %1"),
                     {mismatch}});
    }
    if (const UiMessage failure = m_services.installer->install(download.file); !failure.isEmpty())
        return tell({KESTREL_TEXT("Updates", "The update could not be installed: %1"), {failure}});
    if (m_driver)
        m_driver->showInstalled({KESTREL_TEXT("Updates", "Kestrel %1 was handed to the system's installer. Quit "
                                                         "and start Kestrel again once it is installed."),
                                 {update.shortVersion.empty() ? update.version : update.shortVersion}});
}

void AppUpdater::userDriverDidClose()
{
    if (m_busy == Busy::no)
        m_shownUpdate.reset();
    reminders.didFinishShowingUpdate();
}

void AppUpdater::setBusy(Busy busy)
{
    m_busy = busy;
    canCheckForUpdates = busy == Busy::no && !updatesComeFromTheSystem();
}

} // namespace kestrel
