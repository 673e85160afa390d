#include "app/AppInfo.h"
#include "app/InputMonitoringPermission.h"
#include "app/OpenAtLogin.h"
#include "app/UpdateReminders.h"
#include "app/WindowActivation.h"
#include "settings/Preferences.h"
#include "settings/SettingsSection.h"

#include "support/FakeOverlay.h"
#include "support/FakeShellServices.h"
#include "support/ManualScheduler.h"
#include "support/MemoryDefaultsStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestrel {
namespace {

using std::chrono::milliseconds;

struct CountingWindow final : ShellWindow {
    int broughtToFront = 0;
    void bringToFront() override { ++broughtToFront; }
};

class WindowActivationTest : public ::testing::Test {
protected:
    test::ManualScheduler scheduler;
    WindowActivation activation{scheduler};
    UpdateReminders reminders{activation};
    CountingWindow settings;
    CountingWindow onboarding;
};

TEST_F(WindowActivationTest, TheFirstWindowMakesKestrelRegularAndComesToFrontOnceTheSwitchHasTakenEffect)
{
    activation.show(settings);
    EXPECT_EQ(activation.policy.get(), ActivationPolicy::regular);
    EXPECT_EQ(settings.broughtToFront, 0); // not before the next turn of the loop
    scheduler.advance(milliseconds{0});
    EXPECT_EQ(settings.broughtToFront, 1);

    // Already regular: the opener raises its window itself.
    activation.show(onboarding);
    scheduler.advance(milliseconds{0});
    EXPECT_EQ(onboarding.broughtToFront, 0);
}

TEST_F(WindowActivationTest, ShowingTwiceAndHidingOnceLeavesNothingOpen)
{
    activation.show(settings);
    activation.show(settings);
    activation.hide(settings);
    EXPECT_FALSE(activation.isOpen(settings));
    EXPECT_EQ(activation.policy.get(), ActivationPolicy::accessory);
    // Closed before the deferred raise: it stays closed.
    scheduler.advance(milliseconds{0});
    EXPECT_EQ(settings.broughtToFront, 0);
}

TEST_F(WindowActivationTest, KestrelStaysRegularUntilTheLastWindowAndTheUpdateAreGone)
{
    activation.show(settings);
    activation.show(onboarding);
    activation.hide(settings);
    EXPECT_EQ(activation.policy.get(), ActivationPolicy::regular);

    reminders.willShowUpdate();
    activation.hide(onboarding);
    EXPECT_EQ(activation.policy.get(), ActivationPolicy::regular) << "the update window is still open";
    reminders.didFinishShowingUpdate();
    EXPECT_EQ(activation.policy.get(), ActivationPolicy::accessory);

    // The update finishing while a window is open does not take the window's state away.
    activation.show(settings);
    reminders.willShowUpdate();
    reminders.didFinishShowingUpdate();
    EXPECT_EQ(activation.policy.get(), ActivationPolicy::regular);
}

TEST_F(WindowActivationTest, ThePendingMarkGoesOnlyWithASkipOrACheckThatFindsNothing)
{
    std::vector<bool> seen;
    reminders.isUpdatePending.subscribe([&](bool pending) { seen.push_back(pending); });
    reminders.foundUpdateGently();
    EXPECT_TRUE(reminders.isUpdatePending);
    EXPECT_FALSE(activation.isShowingUpdate()) << "a scheduled check opens no window";

    reminders.willShowUpdate();
    reminders.userMadeChoice(UpdateChoice::remindLater);
    reminders.didFinishShowingUpdate();
    EXPECT_TRUE(reminders.isUpdatePending);
    reminders.userMadeChoice(UpdateChoice::install);
    EXPECT_TRUE(reminders.isUpdatePending);
    reminders.userMadeChoice(UpdateChoice::skip);
    EXPECT_FALSE(reminders.isUpdatePending);

    reminders.foundUpdateGently();
    reminders.didNotFindUpdate();
    EXPECT_FALSE(reminders.isUpdatePending);
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false})) << "observers hear only of changes";
}

TEST(InputMonitoringPermission, TheFirstRequestOnlyPromptsAndLaterOnesAlsoShowHowToGrantIt)
{
    test::MemoryDefaultsStore defaults;
    test::FakePermissionService permission;
    permission.granted = false;

    InputMonitoringPermission::request(defaults, permission);
    EXPECT_EQ(permission.requests, 1);
    EXPECT_EQ(permission.settingsOpened, 0);
    EXPECT_TRUE(Preferences::hasRequestedInputMonitoring(defaults));

    InputMonitoringPermission::request(defaults, permission);
    EXPECT_EQ(permission.settingsOpened, 1);

    // Granted on asking: nothing more to show.
    permission.grantOnRequest = true;
    InputMonitoringPermission::request(defaults, permission);
    EXPECT_EQ(permission.settingsOpened, 1);
}

TEST(OpenAtLogin, ARefusedChangeWritesExactlyOneLogLineAndChangesNothing)
{
    test::FakeLoginItem loginItem;
    test::RecordingLog log;
    setOpenAtLogin(loginItem, log, true);
    EXPECT_TRUE(log.lines.empty());

    // Asked once, not retried nor undone.
    loginItem.refusal = "the entry was written by someone else";
    setOpenAtLogin(loginItem, log, false);
    EXPECT_EQ(loginItem.requested, (std::vector{true, false}));
    EXPECT_EQ(log.lines, (std::vector<std::string>{
                             "LaunchAtLogin: Open at Login change failed: the entry was written by someone else"}));
}

TEST(AppInfo, NameAndVersionFallBackAsTheBuildLeavesThemOut)
{
    EXPECT_EQ(AppInfo::from({.displayName = "Kestrel Pro", .name = "Kestrel"}, "kestrel").name, "Kestrel Pro");
    EXPECT_EQ(AppInfo::from({.name = "Kestrel"}, "kestrel").name, "Kestrel");
    EXPECT_EQ(AppInfo::from({.displayName = ""}, "kestrel-dev").name, "kestrel-dev");

    EXPECT_EQ(AppInfo::from({.shortVersion = "2.1", .buildNumber = "57"}, "k").version.english(), "Version 2.1 (57)");
    EXPECT_EQ(AppInfo::from({}, "k").version.english(), "Version 1.0 (1)");
}

TEST(AppInfo, AnAddressTheBuildDoesNotNameStaysEmpty)
{
    const AppInfo none = AppInfo::from({}, "k");
    EXPECT_TRUE(none.supportMailURL.empty() && none.websiteURL.empty() && none.privacyURL.empty() &&
                none.acknowledgementsURL.empty());

    const AppInfo full = AppInfo::from({.supportMail = "help@example.org", .website = "https://example.org"}, "k");
    EXPECT_EQ(full.supportMailURL, "mailto:help@example.org");
    EXPECT_EQ(full.privacyURL, "https://example.org/privacy");
    EXPECT_EQ(full.acknowledgementsURL, "https://example.org/acknowledgements");
}

TEST(SettingsNavigation, SectionsReadBackFromExactlyTheirRawValues)
{
    for (const auto& info : settingsSections)
        EXPECT_EQ(settingsSectionFromRawValue(info.rawValue), info.section);
    EXPECT_FALSE(settingsSectionFromRawValue("General").has_value());
    EXPECT_FALSE(settingsSectionFromRawValue("").has_value());

    SettingsNavigation navigation;
    EXPECT_EQ(navigation.shownSection(), SettingsSection::general);
    navigation.selection = std::nullopt;
    EXPECT_EQ(navigation.shownSection(), SettingsSection::general) << "no selection shows General";
    EXPECT_EQ(sectionInfo(SettingsSection::about).group.english(), "App");
}

} // namespace
} // namespace kestrel
