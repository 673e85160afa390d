#include "app/ui/MenuPanel.h"

#include "settings/Preferences.h"
#include "support/ShellDoubles.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

class MenuPanelTest : public ::testing::Test {
protected:
    std::unique_ptr<MenuPanel> makePanel() { return std::make_unique<MenuPanel>(commands, shell.scheduler); }

    void record(const std::string& action)
    {
        actions.push_back(action);
        panelWasOpenDuringAction = panel && panel->isVisible();
    }

    std::vector<std::string> titles() const
    {
        std::vector<std::string> result;
        for (const auto* row : panel->rows())
            result.push_back(row->text().toStdString());
        return result;
    }

    MenuRowButton* rowTitled(const std::string& title) const
    {
        for (auto* row : panel->rows()) {
            if (row->text().toStdString() == title)
                return row;
        }
        return nullptr;
    }

    test::ShellDoubles shell;
    MenuCommands commands{{shell.visualizer, shell.updater, shell.permission, shell.defaults},
                          {.openSettings = [this] { record("settings"); },
                           .openAbout = [this] { record("about"); },
                           .quit = [this] { record("quit"); }}};
    std::unique_ptr<MenuPanel> panel;
    std::vector<std::string> actions;
    bool panelWasOpenDuringAction = true;
};

TEST_F(MenuPanelTest, AClickedRowClosesThePanelBeforeItsActionRuns)
{
    panel = makePanel();
    panel->popUp(QRect(500, 0, 22, 22), QPoint());
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(titles(), (std::vector<std::string>{"About Kestrel", "Check for Updates…", "Settings…", "Quit Kestrel"}));

    QTest::mouseClick(rowTitled("Settings…"), Qt::LeftButton);
    EXPECT_EQ(actions, std::vector<std::string>{"settings"});
    EXPECT_FALSE(panelWasOpenDuringAction);
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(MenuPanelTest, AScreenReaderReadsEachRowByItsTitleAndTheSwitchByTheName)
{
    panel = makePanel();
    panel->popUp(QRect(500, 0, 22, 22), QPoint());
    for (auto* row : panel->rows()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(row);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), row->text());
        EXPECT_EQ(accessible->role(), QAccessible::Button);
    }
    QAccessibleInterface* toggle = QAccessible::queryAccessibleInterface(&panel->showKeysSwitch());
    EXPECT_EQ(toggle->text(QAccessible::Name), QStringLiteral("Kestrel"));
    EXPECT_TRUE(toggle->state().checked);
}

TEST_F(MenuPanelTest, TheSwitchRecordsTheWishBeforeStartingOrStopping)
{
    panel = makePanel();
    panel->popUp(QRect(500, 0, 22, 22), QPoint());
    ASSERT_TRUE(panel->showKeysSwitch().isChecked());
    QTest::mouseClick(&panel->showKeysSwitch(), Qt::LeftButton);
    EXPECT_FALSE(Preferences::showKeystrokes(shell.defaults));
    EXPECT_FALSE(shell.visualizer.isRunning);
    EXPECT_TRUE(panel->isVisible()) << "the switch is not a row: the panel stays";

    // The hot key stops and starts as well; the open panel follows.
    shell.visualizer.toggle();
    EXPECT_TRUE(panel->showKeysSwitch().isChecked());
}

TEST_F(MenuPanelTest, WithoutInputAccessTheSwitchIsOffLimitsAndGrantingComesFirst)
{
    shell.permission.granted = false;
    panel = makePanel();
    panel->popUp(QRect(500, 0, 22, 22), QPoint());
    EXPECT_FALSE(panel->showKeysSwitch().isEnabled());
    ASSERT_FALSE(panel->rows().empty());
    EXPECT_EQ(panel->rows().front()->text(), QStringLiteral("Grant Input Monitoring…"));
    QTest::mouseClick(panel->rows().front(), Qt::LeftButton);
    EXPECT_EQ(shell.permission.requests, 1);
    EXPECT_TRUE(Preferences::hasRequestedInputMonitoring(shell.defaults));

    // Granted elsewhere while the panel is open: the next minute of the clock shows it.
    panel->popUp(QRect(500, 0, 22, 22), QPoint());
    shell.permission.granted = true;
    shell.scheduler.advance(std::chrono::minutes(1));
    EXPECT_TRUE(panel->showKeysSwitch().isEnabled());
    EXPECT_EQ(panel->rows().front()->text(), QStringLiteral("About Kestrel"));
    panel->hide();
    EXPECT_EQ(shell.scheduler.pendingCount(), 0u) << "no timer while the panel is closed";
}

TEST_F(MenuPanelTest, TheUpdateRowSwapsWithThePendingMarkAndIsReadByItsTitle)
{
    panel = makePanel();
    panel->popUp(QRect(500, 0, 22, 22), QPoint());
    // While a check runs, no second one can start.
    QTest::mouseClick(rowTitled("Check for Updates…"), Qt::LeftButton);
    EXPECT_EQ(shell.network.feedRequests, 1);
    panel->popUp(QRect(500, 0, 22, 22), QPoint());
    EXPECT_FALSE(rowTitled("Check for Updates…")->isEnabled());
    shell.network.answerFeed({.items = {{.version = "2.0", .enclosureURL = "https://example.org/k.deb"}}});
    EXPECT_TRUE(shell.updater.reminders.isUpdatePending);
    MenuRowButton* available = rowTitled("Update Available…");
    ASSERT_NE(available, nullptr);
    EXPECT_TRUE(available->isEnabled());
    EXPECT_EQ(available->accessibleDescription(), QStringLiteral("Update available"));
    EXPECT_EQ(rowTitled("Check for Updates…"), nullptr);
}

TEST_F(MenuPanelTest, AHoveredRowIsDrawnOnTheAccentColourAndADisabledOneIsNot)
{
    shell.updater.checkForUpdates(); // busy: "Check for Updates…" is disabled
    panel = makePanel();
    panel->popUp(QRect(500, 0, 22, 22), QPoint());
    const auto accentNear = [](const QImage& image, QPoint point) {
        return image.pixelColor(point) == QGuiApplication::palette().color(QPalette::Highlight);
    };
    MenuRowButton* about = rowTitled("About Kestrel");
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(about, &enter);
    EXPECT_TRUE(about->isHovered());
    // Inside the rounded background, clear of the symbol and the text.
    const QPoint inside(about->width() - 20, about->height() / 2);
    EXPECT_TRUE(accentNear(about->grab().toImage(), inside));

    MenuRowButton* updates = rowTitled("Check for Updates…");
    QCoreApplication::sendEvent(updates, &enter);
    EXPECT_FALSE(accentNear(updates->grab().toImage(), inside));
}

TEST(MenuPanelPlacement, UnderTheIconAboveItAtTheBottomAndAtThePointerWithoutOne)
{
    const QRect screen(0, 0, 1920, 1080);
    const QSize panel(280, 200);
    // Under the icon, centred on it.
    EXPECT_EQ(MenuPanel::placement(QRect(1000, 0, 22, 24), {}, panel, screen), QPoint(871, 24));
    // Kept on screen at the right edge.
    EXPECT_EQ(MenuPanel::placement(QRect(1900, 0, 20, 24), {}, panel, screen), QPoint(1640, 24));
    // A tray at the bottom: above the icon.
    EXPECT_EQ(MenuPanel::placement(QRect(1000, 1056, 22, 24), {}, panel, screen), QPoint(871, 856));
    // No geometry from the tray: at the pointer.
    EXPECT_EQ(MenuPanel::placement(QRect(), QPoint(300, 10), panel, screen), QPoint(160, 11));
    // A second screen to the right.
    EXPECT_EQ(MenuPanel::placement(QRect(2500, 0, 22, 24), {}, panel, QRect(1920, 0, 1280, 1024)), QPoint(2371, 24));
}

} // namespace
} // namespace kestrel
