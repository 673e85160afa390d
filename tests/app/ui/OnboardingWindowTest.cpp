#include "app/ui/OnboardingWindow.h"

#include "app/AppInfo.h"
#include "common/ui/FilledArtwork.h"
#include "settings/Preferences.h"
#include "settings/ui/KeyPreview.h"
#include "support/SettingsDoubles.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTest>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

using namespace std::chrono_literals;

class OnboardingWindowTest : public ::testing::Test {
protected:
    OnboardingWindow& open()
    {
        controller.show();
        OnboardingWindow& window = *controller.window();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return window;
    }

    // Return, as the user presses it, wherever the focus is.
    static void pressReturn(OnboardingWindow& window)
    {
        QWidget* focus = window.focusWidget() ? window.focusWidget() : &window;
        QTest::keyClick(focus, Qt::Key_Return);
    }

    static std::string symbols(const std::vector<Keycap>& keycaps)
    {
        std::string text;
        for (const auto& keycap : keycaps)
            text += keycap.symbol;
        return text;
    }

    test::SettingsDoubles shell;
    int relaunched = 0;
    OnboardingWindowController controller{shell.onboardingServices([this] { ++relaunched; })};
    const QString name = QString::fromStdString(AppInfo::current().name);
};

TEST_F(OnboardingWindowTest, WithAccessReturnWalksTwoPagesToTheHotKeyAndGetStartedShowsKeys)
{
    shell.visualizer.stop();
    shell.defaults.set(PreferenceKey::showKeystrokes, false);
    OnboardingWindow& window = open();
    EXPECT_EQ(window.width(), OnboardingWindow::contentWidth);
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "not resizable";
    const QSize size = window.size();
    EXPECT_TRUE(shell.activation.isOpen(window));
    EXPECT_EQ(window.titleText(), QStringLiteral("Welcome to ") + name);
    EXPECT_EQ(window.windowTitle(), window.titleText()) << "named in the task switcher";
    EXPECT_EQ(window.stepIndicator().count(), 2);
    EXPECT_EQ(window.stepIndicator().accessibleName(), QStringLiteral("Step 1 of 2"));
    EXPECT_FALSE(window.backButton().isEnabled());
    EXPECT_EQ(window.primaryButton().text(), QStringLiteral("Continue"));
    EXPECT_NE(dynamic_cast<KeyPreview*>(&window.picture()), &window.hotKeyPreview());

    pressReturn(window);
    EXPECT_EQ(window.titleText(), QStringLiteral("All set!"));
    EXPECT_EQ(&window.picture(), &window.hotKeyPreview());
    EXPECT_EQ(symbols(window.hotKeyPreview().keycaps()), "⌃⌥⌘↩");
    EXPECT_EQ(window.bodyText(), QStringLiteral("Turn on or off anytime with Ctrl+Alt+Super+Enter"));
    EXPECT_EQ(window.stepIndicator().accessibleName(), QStringLiteral("Step 2 of 2"));
    EXPECT_TRUE(window.backButton().isEnabled());
    EXPECT_EQ(window.primaryButton().text(), QStringLiteral("Get Started"));
    EXPECT_EQ(window.size(), size) << "the buttons stay where they were";

    // "Open at Login" works the autostart entry, and a refusal shows as the state it left.
    ASSERT_TRUE(window.openAtLoginBox().isVisible());
    EXPECT_FALSE(window.openAtLoginBox().isChecked());
    QTest::mouseClick(&window.openAtLoginBox(), Qt::LeftButton);
    EXPECT_TRUE(shell.loginItem.enabled);
    shell.loginItem.refusal = "read-only folder";
    QTest::mouseClick(&window.openAtLoginBox(), Qt::LeftButton);
    EXPECT_TRUE(window.openAtLoginBox().isChecked());
    EXPECT_EQ(shell.log.lines.size(), 1u);

    pressReturn(window);
    EXPECT_TRUE(shell.visualizer.isRunning);
    EXPECT_TRUE(Preferences::showKeystrokes(shell.defaults));
    EXPECT_TRUE(Preferences::hasCompletedOnboarding(shell.defaults));
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(shell.activation.isOpen(window));
    shell.scheduler.advance(0ms);
    EXPECT_EQ(controller.window(), nullptr) << "never shown again, so let go";
}

TEST_F(OnboardingWindowTest, WithoutAccessThePermissionPageAsksAndMovesOnWhenAccessArrives)
{
    shell.permission.granted = false;
    OnboardingWindow& window = open();
    EXPECT_EQ(window.stepIndicator().count(), 3);
    QTest::mouseClick(&window.primaryButton(), Qt::LeftButton);
    EXPECT_EQ(window.titleText(), QStringLiteral("Permission"));
    EXPECT_TRUE(window.bodyText().contains(name + QStringLiteral(" never stores or sends what you type.")));
    EXPECT_EQ(window.stepIndicator().accessibleName(), QStringLiteral("Step 2 of 3"));
    EXPECT_EQ(window.primaryButton().text(), QStringLiteral("Open System Settings…"));
    pressReturn(window);
    EXPECT_EQ(shell.permission.requests, 1);

    shell.permission.granted = true;
    shell.scheduler.advance(1s);
    EXPECT_EQ(window.titleText(), QStringLiteral("All set!"));
    EXPECT_EQ(window.stepIndicator().current(), 2);
    EXPECT_EQ(relaunched, 0) << "the taps started with the grant";
}

TEST_F(OnboardingWindowTest, WhereTheSystemAsksAllowComesFirstAndTheInputGroupIsTheOtherWay)
{
    shell.permission.granted = false;
    shell.permission.asks = true;
    OnboardingWindow& window = open();
    EXPECT_FALSE(window.otherWayButton().isVisible()) << "only on the permission page";
    QTest::mouseClick(&window.primaryButton(), Qt::LeftButton);
    EXPECT_EQ(window.primaryButton().text(), QStringLiteral("Allow…"));
    ASSERT_TRUE(window.otherWayButton().isVisible());
    EXPECT_EQ(window.otherWayButton().text(), QStringLiteral("Use the Input Group Instead…"));
    QTest::mouseClick(&window.otherWayButton(), Qt::LeftButton);
    EXPECT_EQ(shell.permission.settingsOpened, 1);
    EXPECT_EQ(shell.permission.requests, 0);

    pressReturn(window);
    EXPECT_EQ(shell.permission.requests, 1);
    shell.permission.accessRequest = AccessRequest::asking;
    EXPECT_FALSE(window.primaryButton().isEnabled()) << "one dialog at a time";
    shell.permission.accessRequest = AccessRequest::cancelled;
    EXPECT_EQ(window.requestText(), QStringLiteral("Authentication was cancelled. Nothing was changed."));
    EXPECT_TRUE(window.primaryButton().isEnabled());
    EXPECT_EQ(window.titleText(), QStringLiteral("Permission"));

    shell.permission.granted = true;
    shell.permission.accessRequest = AccessRequest::allowed;
    shell.scheduler.advance(1s);
    EXPECT_EQ(window.titleText(), QStringLiteral("All set!"));
    EXPECT_FALSE(window.otherWayButton().isVisible());
    EXPECT_EQ(relaunched, 0);
}

TEST_F(OnboardingWindowTest, TheCloseButtonCountsAsDoneAndStartsNothing)
{
    shell.visualizer.stop();
    shell.defaults.set(PreferenceKey::showKeystrokes, false);
    OnboardingWindow& window = open();
    window.close();
    EXPECT_TRUE(Preferences::hasCompletedOnboarding(shell.defaults));
    EXPECT_FALSE(shell.visualizer.isRunning);
    EXPECT_FALSE(shell.activation.isOpen(window));
}

TEST_F(OnboardingWindowTest, ThePicturesAreKestrelsOwnArtworkAndFillTheirFrame)
{
    for (const char* artwork : {Artwork::onboardingWelcome, Artwork::onboardingPermission})
        EXPECT_TRUE(QSvgRenderer(QString::fromLatin1(artwork)).isValid()) << artwork;
    OnboardingWindow& window = open();
    const QImage picture = window.picture().grab().toImage();
    ASSERT_EQ(picture.size(), QSize(440, 260));
    // Drawn, not the plain fallback colour: the middle differs from the corner's fill.
    const QColor fallback = window.palette().color(QPalette::Dark);
    int differing = 0;
    for (int y = 20; y < picture.height() - 20; y += 20) {
        for (int x = 20; x < picture.width() - 20; x += 20)
            differing += picture.pixelColor(x, y) != fallback ? 1 : 0;
    }
    EXPECT_GT(differing, 150);
    EXPECT_EQ(picture.pixelColor(0, 0), window.palette().color(QPalette::Window)) << "rounded corners";
    EXPECT_NE(picture.pixelColor(10, 10), window.palette().color(QPalette::Window));
}

} // namespace
} // namespace kestrel
