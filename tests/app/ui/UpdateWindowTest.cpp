#include "app/ui/UpdateWindow.h"

#include "support/ShellDoubles.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

const AppcastItem update{.version = "1.2",
                         .shortVersion = "1.2",
                         .releaseNotesURL = "https://updates.example.org/1.2.html",
                         .description = "<p>Keycaps <b>fade</b> sooner.</p>",
                         .enclosureURL = "https://updates.example.org/kestrel_1.2.deb",
                         .enclosureLength = 4,
                         .edSignature = "c2lnbmF0dXJl"};

// The window as the user sees it: its words, the buttons on show, and what pressing them
// does. Buttons are found by their titles, the notes by the name a screen reader reads.
class UpdateWindowTest : public ::testing::Test {
protected:
    std::vector<std::string> visibleButtons() const
    {
        std::vector<std::string> titles;
        for (const auto* button : window.window()->findChildren<QPushButton*>()) {
            if (button->isVisibleTo(window.window()))
                titles.push_back(button->text().toStdString());
        }
        return titles;
    }

    QPushButton* button(const QString& title) const
    {
        for (auto* candidate : window.window()->findChildren<QPushButton*>()) {
            if (candidate->text() == title && candidate->isVisibleTo(window.window()))
                return candidate;
        }
        ADD_FAILURE() << "no button " << title.toStdString() << " on show";
        return nullptr;
    }

    QPlainTextEdit* notes() const
    {
        for (auto* candidate : window.window()->findChildren<QPlainTextEdit*>()) {
            if (QAccessible::queryAccessibleInterface(candidate)->text(QAccessible::Name) == u"Release Notes")
                return candidate;
        }
        return nullptr;
    }

    QProgressBar* progress() const { return window.window()->findChild<QProgressBar*>(); }

    void click(const QString& title)
    {
        if (QPushButton* target = button(title))
            QTest::mouseClick(target, Qt::LeftButton);
    }

    // Offers the update with a window that records the user's answers.
    void offer(const AppcastItem& item = update)
    {
        window.showUpdate(item, [this](UpdateChoice choice) { choices.push_back(choice); });
        ASSERT_NE(window.window(), nullptr);
    }

    test::ShellDoubles shell;
    UpdateWindow window{shell.updater, shell.workspace};
    std::vector<UpdateChoice> choices;
};

TEST_F(UpdateWindowTest, ACheckShowsItsProgressThenItsResultWithOnlyOK)
{
    shell.updater.setUserDriver(&window);
    EXPECT_EQ(window.window(), nullptr) << "built the first time it is needed";
    shell.updater.checkForUpdates();
    ASSERT_NE(window.window(), nullptr);
    EXPECT_TRUE(window.window()->isVisible());
    EXPECT_EQ(window.heading(), QStringLiteral("Checking for updates…"));
    EXPECT_TRUE(visibleButtons().empty());
    ASSERT_TRUE(progress()->isVisibleTo(window.window()));
    EXPECT_EQ(progress()->maximum(), 0) << "busy, without a measure";

    shell.network.answerFeed({.items = {{.version = "0.9", .enclosureURL = "https://updates.example.org/k.deb"}}});
    EXPECT_EQ(window.heading(), QStringLiteral("You’re up to date!"));
    EXPECT_EQ(window.body(), QStringLiteral("Kestrel 1.0 is the newest version available."));
    EXPECT_EQ(visibleButtons(), std::vector<std::string>{"OK"});
    EXPECT_FALSE(progress()->isVisibleTo(window.window()));

    // OK closes the window, and the update service hears of it.
    EXPECT_TRUE(shell.activation.isShowingUpdate());
    click(QStringLiteral("OK"));
    EXPECT_FALSE(window.window()->isVisible());
    EXPECT_FALSE(shell.activation.isShowingUpdate());
}

TEST_F(UpdateWindowTest, AnErrorIsShownInTheServicesOwnWordsWithOnlyOK)
{
    window.showError(
        {KESTREL_TEXT("Updates", "Kestrel could not check for updates: %1"), {"the server answered HTTP 500"}});
    EXPECT_TRUE(window.window()->isVisible());
    EXPECT_EQ(window.heading(), QStringLiteral("Update Error"));
    EXPECT_EQ(window.body(), QStringLiteral("Kestrel could not check for updates: the server answered HTTP 500"));
    EXPECT_EQ(visibleButtons(), std::vector<std::string>{"OK"});
    EXPECT_FALSE(notes()->isVisibleTo(window.window()));
}

TEST_F(UpdateWindowTest, AnOfferedUpdateShowsItsVersionItsNotesAsTextAndTheThreeChoices)
{
    offer();
    EXPECT_TRUE(window.window()->isVisible());
    EXPECT_EQ(window.heading(), QStringLiteral("A new version of Kestrel is available!"));
    EXPECT_EQ(window.body(), QStringLiteral("Kestrel 1.2 is available. Would you like to install it now?"));
    EXPECT_EQ(visibleButtons(),
              (std::vector<std::string>{"Release Notes…", "Skip This Version", "Remind Me Later", "Install"}));
    EXPECT_TRUE(button(QStringLiteral("Install"))->isDefault());
    ASSERT_NE(notes(), nullptr);
    EXPECT_TRUE(notes()->isVisibleTo(window.window()));
    EXPECT_EQ(notes()->toPlainText(), QStringLiteral("Keycaps fade sooner.")) << "markup read for its words only";

    click(QStringLiteral("Release Notes…"));
    EXPECT_EQ(shell.workspace.opened, std::vector<std::string>{update.releaseNotesURL});
    EXPECT_TRUE(choices.empty()) << "reading the notes is no answer";

    // Notes that are not a web address are not offered; without a description the notes
    // field goes.
    AppcastItem local = update;
    local.releaseNotesURL = "file:///etc/passwd";
    local.description.clear();
    offer(local);
    EXPECT_EQ(visibleButtons(), (std::vector<std::string>{"Skip This Version", "Remind Me Later", "Install"}));
    EXPECT_FALSE(notes()->isVisibleTo(window.window()));
}

TEST_F(UpdateWindowTest, EachButtonAnswersItsOwnChoiceOnce)
{
    offer();
    click(QStringLiteral("Skip This Version"));
    EXPECT_EQ(choices, std::vector<UpdateChoice>{UpdateChoice::skip});
    EXPECT_FALSE(window.window()->isVisible());

    choices.clear();
    offer();
    click(QStringLiteral("Remind Me Later"));
    EXPECT_EQ(choices, std::vector<UpdateChoice>{UpdateChoice::remindLater});
    EXPECT_FALSE(window.window()->isVisible());

    // Install keeps the window open for the download; pressed twice it still answers once.
    choices.clear();
    offer();
    click(QStringLiteral("Install"));
    click(QStringLiteral("Install"));
    EXPECT_EQ(choices, std::vector<UpdateChoice>{UpdateChoice::install});
    EXPECT_TRUE(window.window()->isVisible());

    // Closing the window is no answer either.
    choices.clear();
    offer();
    window.window()->close();
    EXPECT_TRUE(choices.empty());
}

TEST_F(UpdateWindowTest, TheDownloadShowsHowMuchHasArrivedThenTheInstallationSaysWhatHappened)
{
    offer();
    window.showDownloading(0, 4000);
    EXPECT_EQ(window.heading(), QStringLiteral("Downloading the update…"));
    EXPECT_TRUE(visibleButtons().empty()) << "no choice is left to make";
    EXPECT_FALSE(notes()->isVisibleTo(window.window()));
    ASSERT_TRUE(progress()->isVisibleTo(window.window()));
    EXPECT_EQ(progress()->value(), progress()->minimum());
    window.showDownloading(1000, 4000);
    EXPECT_EQ(progress()->value(), progress()->minimum() + (progress()->maximum() - progress()->minimum()) / 4);
    window.showDownloading(4000, 4000);
    EXPECT_EQ(progress()->value(), progress()->maximum());

    window.showInstalled({KESTREL_TEXT("Updates", "Kestrel %1 was handed to the system's installer."), {"1.2"}});
    EXPECT_EQ(window.heading(), QStringLiteral("Installing the update"));
    EXPECT_EQ(window.body(), QStringLiteral("Kestrel 1.2 was handed to the system's installer."));
    EXPECT_EQ(visibleButtons(), std::vector<std::string>{"OK"});
    EXPECT_FALSE(progress()->isVisibleTo(window.window()));
}

TEST_F(UpdateWindowTest, InstallPressedInTheWindowDownloadsThroughTheUpdateService)
{
    shell.updater.setUserDriver(&window);
    shell.updater.checkForUpdates();
    shell.network.answerFeed({.items = {update}});
    click(QStringLiteral("Install"));
    EXPECT_EQ(shell.network.downloadedURL, update.enclosureURL);
    EXPECT_EQ(window.heading(), QStringLiteral("Downloading the update…"));
    shell.network.pendingProgress(2);
    EXPECT_EQ(progress()->value(), progress()->minimum() + (progress()->maximum() - progress()->minimum()) / 2);
}

} // namespace
} // namespace kestrel
