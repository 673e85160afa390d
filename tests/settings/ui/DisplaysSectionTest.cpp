#include "settings/ui/DisplaysSection.h"

#include "settings/Preferences.h"
#include "settings/ui/PositionPicker.h"
#include "support/SettingsDoubles.h"

#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

class DisplaysSectionTest : public ::testing::Test {
protected:
    void SetUp() override { shell.screens.screenList = {{.displayIdentity = "AAA", .name = "DP-1"}}; }

    std::unique_ptr<DisplaysSection> make()
    {
        auto section = std::make_unique<DisplaysSection>(shell.defaults, shell.screens);
        section->resize(620, 640);
        section->show();
        return section;
    }

    static QStringList items(const QComboBox& picker)
    {
        QStringList texts;
        for (int i = 0; i < picker.count(); ++i)
            texts << picker.itemText(i);
        return texts;
    }

    test::SettingsDoubles shell;
};

TEST_F(DisplaysSectionTest, TheDisplayPickerFollowsTheScreensAndKeepsAnAbsentChoice)
{
    const auto section = make();
    EXPECT_EQ(items(section->displayPicker()), QStringList{"Screen with Pointer"});
    EXPECT_FALSE(section->displayPicker().isEnabled()) << "one screen and nothing to choose";

    shell.defaults.set(PreferenceKey::overlayDisplay, std::string("BBB"));
    section->refreshDisplays();
    EXPECT_TRUE(section->displayPicker().isEnabled());
    EXPECT_EQ(section->displayPicker().currentText(), QStringLiteral("Disconnected Display"));
    EXPECT_TRUE(section->showsDisconnectedFooter());

    // The display comes back.
    shell.screens.screenList.push_back({.displayIdentity = "BBB", .name = "HDMI-1"});
    section->refreshDisplays();
    EXPECT_EQ(section->displayPicker().currentText(), QStringLiteral("HDMI-1"));
    EXPECT_FALSE(section->showsDisconnectedFooter());

    // Choosing "Screen with Pointer" writes the empty identity.
    section->displayPicker().setFocus();
    QTest::keyClick(&section->displayPicker(), Qt::Key_Home);
    EXPECT_EQ(Preferences::overlayDisplay(shell.defaults), "");
}

TEST_F(DisplaysSectionTest, TheMiniatureChoosesPresetsByClickAndCustomSpotsByClickOrDrag)
{
    const auto section = make();
    PositionPicker& miniature = section->miniature();
    const double w = miniature.width();
    const double h = miniature.height();
    shell.defaults.set(PreferenceKey::customPositionX, 0.3);
    shell.defaults.set(PreferenceKey::customPositionY, 0.4);

    // Inside the Top Right spot: that preset, the custom fractions untouched.
    QTest::mouseClick(&miniature, Qt::LeftButton, {}, QPoint(qRound(w * 0.85), qRound(h * 0.1)));
    EXPECT_EQ(Preferences::overlayPosition(shell.defaults), OverlayPosition::topRight);
    EXPECT_EQ(Preferences::customPositionX(shell.defaults), 0.3);
    EXPECT_EQ(section->positionPicker().currentText(), QStringLiteral("Top Right")) << "the list follows";
    EXPECT_EQ(miniature.accessibleDescription(), QStringLiteral("Top Right"));

    // The centre has no spot: custom, there.
    QTest::mouseClick(&miniature, Qt::LeftButton, {}, QPoint(qRound(w / 2), qRound(h / 2)));
    EXPECT_EQ(Preferences::overlayPosition(shell.defaults), OverlayPosition::custom);
    EXPECT_NEAR(Preferences::customPositionX(shell.defaults), 0.5, 1.0 / w);
    EXPECT_NEAR(Preferences::customPositionY(shell.defaults), 0.5, 1.0 / h);

    // A drag past the edge stores 0 and 1, nothing outside.
    QTest::mousePress(&miniature, Qt::LeftButton, {}, QPoint(qRound(w * 0.85), qRound(h * 0.1)));
    QMouseEvent move(QEvent::MouseMove, QPointF(w + 50, -30), miniature.mapToGlobal(QPointF(w + 50, -30)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&miniature, &move);
    QTest::mouseRelease(&miniature, Qt::LeftButton, {}, QPoint(qRound(w) - 1, 0));
    EXPECT_EQ(Preferences::overlayPosition(shell.defaults), OverlayPosition::custom) << "a drag on a spot is custom";
    EXPECT_EQ(Preferences::customPositionX(shell.defaults), 1.0);
    EXPECT_EQ(Preferences::customPositionY(shell.defaults), 0.0);

    // The list chooses a preset too.
    QComboBox& list = section->positionPicker();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(Preferences::overlayPosition(shell.defaults), OverlayPosition::topLeft);
}

TEST(PositionPicker, TheSampleGlidesOnASpringAndTheSpotsFadeOnlyWhileCustom)
{
    test::SettingsDoubles shell;
    double seconds = 0;
    PositionPicker miniature(shell.defaults, nullptr, nullptr, [&] { return seconds; });
    miniature.resize(500, PositionPicker::pickerHeight);
    miniature.show();
    EXPECT_EQ(miniature.shownPlacement().rect.y, 0.828) << "placed at once at Bottom Center";
    EXPECT_EQ(miniature.markerOpacity(), 1);
    EXPECT_FALSE(miniature.isAnimating()) << "no frames while nothing moves";

    shell.defaults.set(PreferenceKey::overlayPosition, std::string("custom"));
    shell.defaults.set(PreferenceKey::customPositionX, 0.0);
    shell.defaults.set(PreferenceKey::customPositionY, 0.0);
    miniature.refresh();
    EXPECT_TRUE(miniature.isAnimating());
    seconds = 0.1;
    const double halfway = miniature.shownPlacement().rect.y;
    EXPECT_GT(halfway, 0.0);
    EXPECT_LT(halfway, 0.828) << "on its way";
    EXPECT_GT(miniature.markerOpacity(), 0);
    seconds = 2;
    EXPECT_NEAR(miniature.shownPlacement().rect.y, 0, 1e-3);
    EXPECT_EQ(miniature.markerOpacity(), 0) << "faded out over 0.2 s";
}

} // namespace
} // namespace kestrel
