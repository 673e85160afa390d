#include "settings/ui/AboutSection.h"

#include "common/ui/SwitchButton.h"
#include "support/SettingsDoubles.h"

#include <QDate>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

TEST(AboutSection, TheUpdateControlsFollowTheUpdateServiceLive)
{
    test::SettingsDoubles shell;
    AboutSection about(shell.updater, shell.workspace);
    about.show();
    EXPECT_TRUE(about.checkButton().isEnabled());
    QTest::mouseClick(&about.checkButton(), Qt::LeftButton);
    EXPECT_EQ(shell.network.feedRequests, 1);
    EXPECT_FALSE(about.checkButton().isEnabled()) << "disabled while the check runs";
    shell.network.answerFeed({.error = verbatim("the server answered HTTP 500")});
    EXPECT_TRUE(about.checkButton().isEnabled());

    EXPECT_TRUE(about.automaticSwitch().isChecked());
    QTest::mouseClick(&about.automaticSwitch(), Qt::LeftButton);
    EXPECT_FALSE(shell.updater.automaticallyChecksForUpdates());
    EXPECT_EQ(shell.state.object("automaticallyChecksForUpdates"), DefaultsValue(false));

    EXPECT_EQ(about.footer(), QStringLiteral("© %1 the Kestrel developers").arg(QDate::currentDate().year()));
    // Without addresses in the build, no link rows.
    for (const char* link : {"Contact Support", "Visit Website", "View"}) {
        for (const auto* button : about.findChildren<QPushButton*>())
            EXPECT_NE(button->text(), QString::fromUtf8(link));
    }
}

} // namespace
} // namespace kestrel
