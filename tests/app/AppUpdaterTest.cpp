#include "app/AppUpdater.h"

#include "support/FakeUpdateServices.h"
#include "support/ManualScheduler.h"
#include "support/MemoryDefaultsStore.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kestrel {
namespace {

using namespace std::chrono_literals;

const AppcastItem newer{.version = "1.2",
                        .shortVersion = "1.2",
                        .enclosureURL = "https://example.org/kestrel_1.2.deb",
                        .enclosureLength = 4,
                        .edSignature = "c2lnbmF0dXJl"};
const AppcastItem older{.version = "0.9", .enclosureURL = "https://example.org/kestrel_0.9.deb"};

class AppUpdaterTest : public ::testing::Test {
protected:
    std::unique_ptr<AppUpdater> make(std::string feed = "https://example.org/appcast.xml")
    {
        auto updater = std::make_unique<AppUpdater>(AppUpdater::Services{.activation = activation,
                                                                         .scheduler = scheduler,
                                                                         .state = state,
                                                                         .wallClock = [this] { return wallClock; },
                                                                         .network = &network,
                                                                         .verifier = &verifier,
                                                                         .installer = &installer},
                                                    std::move(feed), "1.1");
        updater->setUserDriver(&driver);
        return updater;
    }

    test::ManualScheduler scheduler;
    test::MemoryDefaultsStore state;
    WindowActivation activation{scheduler};
    test::FakeUpdateNetwork network;
    test::FakePackageVerifier verifier;
    test::FakePackageInstaller installer;
    test::RecordingUserDriver driver;
    std::chrono::system_clock::time_point wallClock = std::chrono::system_clock::time_point(1'800'000'000s);
};

TEST_F(AppUpdaterTest, ScheduledChecksRunTenSecondsAfterStartThenDailyAndOnlySetTheMark)
{
    const auto updater = make();
    EXPECT_TRUE(updater->canCheckForUpdates);
    EXPECT_TRUE(updater->automaticallyChecksForUpdates()) << "on by default with a feed";
    scheduler.advance(9s);
    EXPECT_EQ(network.feedRequests, 0);
    scheduler.advance(1s);
    ASSERT_EQ(network.feedRequests, 1);
    EXPECT_FALSE(updater->canCheckForUpdates) << "busy while checking";
    network.answerFeed({.items = {older, newer}});
    EXPECT_TRUE(updater->canCheckForUpdates);
    EXPECT_TRUE(updater->reminders.isUpdatePending);
    EXPECT_TRUE(driver.shown.empty()) << "a scheduled check never opens a window";
    EXPECT_EQ(activation.policy.get(), ActivationPolicy::accessory);

    scheduler.advance(24h - 1s);
    EXPECT_EQ(network.feedRequests, 1);
    scheduler.advance(1s);
    EXPECT_EQ(network.feedRequests, 2);
    // A failed check changes nothing.
    network.answerFeed({.error = verbatim("the server answered HTTP 500")});
    EXPECT_TRUE(updater->reminders.isUpdatePending);
    EXPECT_TRUE(driver.shown.empty());
}

TEST_F(AppUpdaterTest, TheLastCheckKeptFromAnEarlierRunDefersTheFirstOne)
{
    state.set("lastUpdateCheck", std::chrono::duration<double>((wallClock - 20h).time_since_epoch()).count());
    const auto updater = make();
    scheduler.advance(4h - 1s);
    EXPECT_EQ(network.feedRequests, 0);
    scheduler.advance(1s);
    EXPECT_EQ(network.feedRequests, 1);

    // Switching automatic checks off cancels the next one, and the setting is kept.
    network.answerFeed({.items = {older}});
    updater->setAutomaticallyChecksForUpdates(false);
    EXPECT_EQ(state.object("automaticallyChecksForUpdates"), DefaultsValue(false));
    scheduler.advance(48h);
    EXPECT_EQ(network.feedRequests, 1);
    EXPECT_FALSE(make()->automaticallyChecksForUpdates()) << "read back in the next run";
}

TEST_F(AppUpdaterTest, AUserCheckShowsTheUpdateAndTheChoicesDecideTheMark)
{
    const auto updater = make();
    updater->checkForUpdates();
    EXPECT_EQ(driver.shown, std::vector<std::string>{"checking"});
    EXPECT_EQ(activation.policy.get(), ActivationPolicy::regular);
    updater->checkForUpdates(); // pressed again while checking: no second request
    EXPECT_EQ(network.feedRequests, 1);
    network.answerFeed({.items = {newer, older}});
    EXPECT_EQ(driver.shown.back(), "update 1.2");
    EXPECT_TRUE(updater->reminders.isUpdatePending);

    driver.choose(UpdateChoice::remindLater);
    updater->userDriverDidClose();
    EXPECT_TRUE(updater->reminders.isUpdatePending) << "Remind Me Later keeps the mark";
    EXPECT_EQ(activation.policy.get(), ActivationPolicy::accessory);

    updater->checkForUpdates();
    network.answerFeed({.items = {newer}});
    driver.choose(UpdateChoice::skip);
    EXPECT_FALSE(updater->reminders.isUpdatePending);
    EXPECT_EQ(state.object("skippedVersion"), DefaultsValue(std::string("1.2")));
    // A scheduled check does not bring the skipped version back.
    scheduler.advance(10s);
    network.answerFeed({.items = {newer}});
    EXPECT_FALSE(updater->reminders.isUpdatePending);
}

TEST_F(AppUpdaterTest, OnlyACheckThatPositivelyFindsNothingClearsTheMark)
{
    const auto updater = make();
    updater->reminders.foundUpdateGently();
    updater->checkForUpdates();
    network.answerFeed({.error = verbatim("the server's certificate is not trusted")});
    EXPECT_TRUE(updater->reminders.isUpdatePending);
    EXPECT_EQ(driver.shown.back(),
              "error: Kestrel could not check for updates: the server's certificate is not trusted");

    // A feed whose versions do not read says nothing about whether Kestrel is current.
    updater->checkForUpdates();
    network.answerFeed({.items = {{.version = "latest", .enclosureURL = "https://example.org/k.deb"}}});
    EXPECT_TRUE(updater->reminders.isUpdatePending);
    EXPECT_EQ(driver.shown.back().rfind("error: ", 0), 0u);

    updater->checkForUpdates();
    network.answerFeed({.items = {older, {.version = "1.1", .enclosureURL = "https://example.org/k.deb"}}});
    EXPECT_FALSE(updater->reminders.isUpdatePending);
    EXPECT_EQ(driver.shown.back(), "up to date 1.1");
}

// The install path: the download, its check and the hand-over, each of which can fail.
class AppUpdaterInstallTest : public AppUpdaterTest {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(folder.path().empty());
        std::ofstream(package) << "1234";
    }

    // Offers the newer version in a check the user asked for and presses Install.
    void chooseInstall(AppUpdater& updater)
    {
        updater.checkForUpdates();
        network.answerFeed({.items = {newer}});
        ASSERT_EQ(driver.shown.back(), "update 1.2");
        driver.choose(UpdateChoice::install);
    }

    const test::TemporaryFolder folder{"kestrel-updater"};
    const std::filesystem::path package = folder.path() / "kestrel_1.2.deb";
};

TEST_F(AppUpdaterInstallTest, TheDownloadShowsItsProgressAndIsCheckedAgainstTheFeedBeforeItIsHandedOver)
{
    const auto updater = make();
    chooseInstall(*updater);
    EXPECT_EQ(network.downloadedURL, newer.enclosureURL);
    EXPECT_EQ(network.downloadedMaximumLength, newer.enclosureLength) << "a longer package is cut off";
    EXPECT_FALSE(updater->canCheckForUpdates) << "busy while installing";
    EXPECT_EQ(driver.shown.back(), "downloading 0/4");
    network.pendingProgress(1);
    EXPECT_EQ(driver.shown.back(), "downloading 1/4");
    network.pendingProgress(4);
    EXPECT_EQ(driver.shown.back(), "downloading 4/4");
    EXPECT_TRUE(verifier.requests.empty()) << "nothing is checked before the download ends";

    network.answerDownload({.file = package});
    ASSERT_EQ(verifier.requests.size(), 1u);
    EXPECT_EQ(verifier.requests[0].file, package);
    EXPECT_EQ(verifier.requests[0].length, newer.enclosureLength);
    EXPECT_EQ(verifier.requests[0].signature, newer.edSignature);
    EXPECT_EQ(installer.installed, std::vector<std::filesystem::path>{package});
    EXPECT_EQ(driver.shown.back(), "installed");
    EXPECT_TRUE(updater->canCheckForUpdates);
}

TEST_F(AppUpdaterInstallTest, APackageThatFailsVerificationIsDeletedAndNeverInstalled)
{
    verifier.mismatch = "the signature does not match the package";
    const auto updater = make();
    chooseInstall(*updater);
    network.answerDownload({.file = package});
    ASSERT_EQ(verifier.requests.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(package));
    EXPECT_TRUE(installer.installed.empty());
    EXPECT_EQ(driver.shown.back(), "error: The downloaded update was deleted because it is not the one the feed "
                                   "describes: the signature does not match the package");
    EXPECT_TRUE(updater->canCheckForUpdates);
}

TEST_F(AppUpdaterInstallTest, AFailedDownloadIsShownAndNothingIsCheckedOrInstalled)
{
    const auto updater = make();
    chooseInstall(*updater);
    network.answerDownload({.error = verbatim("the server answered HTTP 404")});
    EXPECT_EQ(driver.shown.back(), "error: The update could not be downloaded: the server answered HTTP 404");
    EXPECT_TRUE(verifier.requests.empty());
    EXPECT_TRUE(installer.installed.empty());
    EXPECT_TRUE(updater->canCheckForUpdates);
}

TEST_F(AppUpdaterInstallTest, AFailedInstallationIsShownAndTheNextCheckStartsAfresh)
{
    installer.failure = "the administrator's password was not given";
    const auto updater = make();
    chooseInstall(*updater);
    network.answerDownload({.file = package});
    EXPECT_EQ(installer.installed, std::vector<std::filesystem::path>{package});
    EXPECT_EQ(driver.shown.back(),
              "error: The update could not be installed: the administrator's password was not given");
    EXPECT_TRUE(updater->canCheckForUpdates);
    EXPECT_TRUE(updater->reminders.isUpdatePending) << "the update is still not installed";

    // The failed update is not held on to: asking again, with the error still on screen,
    // reads the feed again.
    updater->checkForUpdates();
    EXPECT_EQ(network.feedRequests, 2);
    EXPECT_EQ(driver.shown.back(), "checking");
}

TEST_F(AppUpdaterTest, AnUnsignedOrOutsizedPackageIsNeverDownloaded)
{
    const auto updater = make();
    for (const AppcastItem& suspicious :
         {AppcastItem{.version = "1.2", .enclosureURL = "https://example.org/k.deb", .enclosureLength = 4},
          AppcastItem{.version = "1.2",
          .enclosureURL = "https://example.org/k.deb",
          .enclosureLength = 10ull << 30,
          .edSignature = "c2lnbmF0dXJl"}}) {
        updater->checkForUpdates();
        network.answerFeed({.items = {suspicious}});
        driver.choose(UpdateChoice::install);
        EXPECT_TRUE(network.downloadedURL.empty());
        EXPECT_EQ(driver.shown.back().rfind("error: ", 0), 0u) << driver.shown.back();
        EXPECT_TRUE(updater->canCheckForUpdates);
        updater->userDriverDidClose();
    }
}

TEST_F(AppUpdaterTest, WithoutAFeedNothingIsCheckedAndNoCheckCanStart)
{
    const auto updater = make("");
    EXPECT_TRUE(updater->updatesComeFromTheSystem());
    EXPECT_FALSE(updater->canCheckForUpdates);
    updater->checkForUpdates();
    scheduler.advance(48h);
    EXPECT_EQ(network.feedRequests, 0);
    EXPECT_TRUE(driver.shown.empty());
}

} // namespace
} // namespace kestrel
