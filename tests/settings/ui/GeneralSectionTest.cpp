#include "settings/ui/GeneralSection.h"

#include "common/ui/SwitchButton.h"
#include "settings/Preferences.h"
#include "settings/ui/KeyPreview.h"
#include "support/SettingsDoubles.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

class GeneralSectionTest : public ::testing::Test {
protected:
    std::unique_ptr<GeneralSection> make()
    {
        auto section = std::make_unique<GeneralSection>(
            GeneralSection::Services{shell.visualizer, shell.defaults, shell.permission, shell.loginItem, shell.log,
                                     shell.painter, shell.passwordFocus});
        section->resize(620, 700);
        section->show();
        return section;
    }

    std::vector<std::string> previewIds(const GeneralSection& section)
    {
        std::vector<std::string> ids;
        for (const auto& keycap : section.preview().keycaps())
            ids.push_back(keycap.id);
        return ids;
    }

    test::SettingsDoubles shell;
};

TEST_F(GeneralSectionTest, ShowKeysFollowsTheVisualizerAndRecordsTheWishFirst)
{
    const auto section = make();
    SwitchButton& showKeys = section->showKeysSwitch();
    EXPECT_TRUE(showKeys.isChecked());
    QTest::mouseClick(&showKeys, Qt::LeftButton);
    EXPECT_FALSE(shell.visualizer.isRunning);
    EXPECT_FALSE(Preferences::showKeystrokes(shell.defaults));
    // The hot key flips it while the window is open, with nothing done in the window.
    shell.visualizer.toggle();
    EXPECT_TRUE(showKeys.isChecked());
    // Space works it from the keyboard.
    showKeys.setFocus();
    QTest::keyClick(&showKeys, Qt::Key_Space);
    EXPECT_FALSE(shell.visualizer.isRunning);
}

TEST_F(GeneralSectionTest, TheHotKeyIsWrittenInTheChosenKeyLabels)
{
    const auto section = make();
    EXPECT_EQ(section->showKeysSubtitle(), QStringLiteral("Turn on or off anytime with Ctrl+Alt+Super+Enter"));
    shell.defaults.set(PreferenceKey::keyLabelStyle, std::string("mac"));
    section->refresh();
    EXPECT_EQ(section->showKeysSubtitle(), QStringLiteral("Turn on or off anytime with ⌃⌥⌘↩"));
}

TEST_F(GeneralSectionTest, WhereTheHotKeyCannotBeHadTheSubtitleSaysHowToBindTheToggleInstead)
{
    GeneralSection section(GeneralSection::Services{shell.visualizer, shell.defaults, shell.permission, shell.loginItem,
                                                    shell.log, shell.painter, shell.passwordFocus,
                                                    SessionFacts{.grabsHotKey = false}});
    EXPECT_EQ(section.showKeysSubtitle(),
              QStringLiteral("Bind \u201ckestrel --toggle\u201d to a shortcut in your desktop's keyboard settings to "
                             "turn on or off anytime"));
    EXPECT_FALSE(section.showKeysSubtitle().contains(QStringLiteral("Ctrl+Alt"))) << "no hot key promised";
}

TEST_F(GeneralSectionTest, WithoutAccessTheSwitchIsOffLimitsUntilTheWindowIsActivatedAgain)
{
    shell.permission.granted = false;
    const auto section = make();
    EXPECT_FALSE(section->showKeysSwitch().isEnabled());
    EXPECT_EQ(section->accessText(), QStringLiteral("Not Allowed"));
    ASSERT_TRUE(section->openSystemSettingsButton().isVisible());
    QTest::mouseClick(&section->openSystemSettingsButton(), Qt::LeftButton);
    EXPECT_EQ(shell.permission.settingsOpened, 1);

    shell.permission.granted = true; // granted elsewhere
    section->refresh();              // what the window's activation does
    EXPECT_EQ(section->accessText(), QStringLiteral("Allowed"));
    EXPECT_FALSE(section->openSystemSettingsButton().isVisible());
    EXPECT_TRUE(section->showKeysSwitch().isEnabled());
}

TEST_F(GeneralSectionTest, WhereTheSystemAsksAllowAsksItAndWhatCameOfItIsSaid)
{
    shell.permission.granted = false;
    shell.permission.asks = true;
    const auto section = make();
    EXPECT_EQ(section->openSystemSettingsButton().text(), QStringLiteral("Allow…"));
    ASSERT_TRUE(section->otherWayButton().isVisible());
    EXPECT_EQ(section->accessSubtitle(), QStringLiteral("Required to show the keys you press"));
    QTest::mouseClick(&section->openSystemSettingsButton(), Qt::LeftButton);
    EXPECT_EQ(shell.permission.requests, 1);
    QTest::mouseClick(&section->openSystemSettingsButton(), Qt::LeftButton);
    EXPECT_EQ(shell.permission.requests, 2);
    EXPECT_EQ(shell.permission.settingsOpened, 0);
    QTest::mouseClick(&section->otherWayButton(), Qt::LeftButton);
    EXPECT_EQ(shell.permission.settingsOpened, 1);

    shell.permission.accessRequest = AccessRequest::refused;
    EXPECT_EQ(section->accessSubtitle(), QStringLiteral("The system did not allow it. Nothing was changed."));
    EXPECT_EQ(section->accessText(), QStringLiteral("Not Allowed"));

    shell.permission.granted = true;
    shell.permission.accessRequest = AccessRequest::allowed;
    EXPECT_EQ(section->accessText(), QStringLiteral("Allowed"));
    EXPECT_FALSE(section->otherWayButton().isVisible());
    EXPECT_FALSE(section->openSystemSettingsButton().isVisible());
    EXPECT_TRUE(section->showKeysSwitch().isEnabled());
}

TEST_F(GeneralSectionTest, ARefusedLoginChangeSnapsBackAndIsLoggedOnce)
{
    const auto section = make();
    SwitchButton& openAtLogin = section->openAtLoginSwitch();
    QTest::mouseClick(&openAtLogin, Qt::LeftButton);
    EXPECT_TRUE(openAtLogin.isChecked());
    EXPECT_TRUE(shell.loginItem.enabled);

    shell.loginItem.refusal = "the entry was written by someone else";
    QTest::mouseClick(&openAtLogin, Qt::LeftButton);
    EXPECT_TRUE(openAtLogin.isChecked()) << "back to the state read back";
    EXPECT_EQ(shell.log.lines.size(), 1u);
    EXPECT_EQ(openAtLogin.accessibleName(), QStringLiteral("Open at Login"));
    EXPECT_EQ(openAtLogin.accessibleDescription(), QStringLiteral("Start Kestrel when you log in"));
}

TEST_F(GeneralSectionTest, SpecialKeysOnlyDropsTheSampleKeyAndDisablesButKeepsTheShiftOption)
{
    shell.defaults.set(PreferenceKey::showShiftWithCapitals, true);
    const auto section = make();
    EXPECT_EQ(previewIds(*section),
              (std::vector<std::string>{"mod-control", "mod-shift", "mod-command", "key-sample"}));
    QComboBox& show = section->showPicker();
    show.setFocus();
    QTest::keyClick(&show, Qt::Key_Down); // the keyboard way to "Special Keys Only"
    EXPECT_EQ(Preferences::displayMode(shell.defaults), DisplayMode::shortcutsOnly);
    EXPECT_EQ(previewIds(*section), (std::vector<std::string>{"mod-control", "mod-shift", "mod-command"}));
    EXPECT_FALSE(section->shiftSwitch().isEnabled());
    EXPECT_TRUE(Preferences::showShiftWithCapitals(shell.defaults)) << "its stored value is kept";

    QTest::keyClick(&show, Qt::Key_Up);
    EXPECT_EQ(Preferences::displayMode(shell.defaults), DisplayMode::allKeys);
    EXPECT_TRUE(section->shiftSwitch().isEnabled());
    EXPECT_EQ(previewIds(*section).size(), 4u);

    QTest::mouseClick(&section->mouseSwitch(), Qt::LeftButton);
    EXPECT_FALSE(Preferences::showClicksAndScrolling(shell.defaults));
}

TEST_F(GeneralSectionTest, StoredValuesOfTheWrongTypeShowTheDefaultAndAreLeftAsTheyAre)
{
    shell.defaults.set(PreferenceKey::displayMode, 3.0);
    shell.defaults.set(PreferenceKey::showClicksAndScrolling, std::string("banana"));
    const auto section = make();
    EXPECT_EQ(section->showPicker().currentText(), QStringLiteral("All Keys"));
    EXPECT_EQ(shell.defaults.object(PreferenceKey::displayMode), DefaultsValue(3.0)) << "not rewritten";
    EXPECT_EQ(shell.defaults.object(PreferenceKey::showClicksAndScrolling), DefaultsValue(std::string("banana")));
}

TEST_F(GeneralSectionTest, PasswordFieldsSaysWhatIsProtectedAndOffersAccessibilityOnlyWhereThereIsABus)
{
    using Availability = PasswordFocusService::Availability;
    shell.passwordFocus.availability = Availability::unavailable;
    const auto section = make();
    EXPECT_TRUE(section->passwordsText().startsWith(QStringLiteral("Only prompts that take the whole keyboard")))
        << section->passwordsText().toStdString();
    EXPECT_FALSE(section->accessibilitySwitch().isVisible()) << "nothing to switch on without a bus";

    // A bus comes, with the desktop's accessibility off: GTK is covered, Qt and Chromium not yet.
    shell.passwordFocus.availability = Availability::available;
    shell.passwordFocus.accessibilityEnabled = false;
    EXPECT_TRUE(section->passwordsText().contains(QStringLiteral("Turn on accessibility")));
    ASSERT_TRUE(section->accessibilitySwitch().isVisible());
    EXPECT_FALSE(section->accessibilitySwitch().isChecked());
    QTest::mouseClick(&section->accessibilitySwitch(), Qt::LeftButton);
    EXPECT_EQ(shell.passwordFocus.accessibilityEnabled.get(), std::optional<bool>(true));
    EXPECT_TRUE(section->accessibilitySwitch().isChecked());
    EXPECT_FALSE(section->passwordsText().contains(QStringLiteral("Turn on accessibility")));

    // Coming back to the window asks the desktop again.
    const int reads = shell.passwordFocus.reads;
    section->refresh();
    EXPECT_EQ(shell.passwordFocus.reads, reads + 1);
}

} // namespace
} // namespace kestrel
