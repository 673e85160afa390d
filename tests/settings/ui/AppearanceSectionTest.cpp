#include "settings/ui/AppearanceSection.h"

#include "settings/Preferences.h"
#include "settings/ui/KeyPreview.h"
#include "support/SettingsDoubles.h"

#include <QComboBox>
#include <QLocale>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

class AppearanceSectionTest : public ::testing::Test {
protected:
    std::unique_ptr<AppearanceSection> make()
    {
        auto section = std::make_unique<AppearanceSection>(shell.defaults, shell.painter, [this] { ++colorChanges; });
        section->resize(620, 600);
        section->show();
        return section;
    }

    test::SettingsDoubles shell;
    int colorChanges = 0;
};

TEST_F(AppearanceSectionTest, NineSwatchesInOrderAndAClickChoosesTheColourEverywhere)
{
    const auto section = make();
    const auto swatches = section->swatches();
    std::vector<std::string> names;
    for (const auto* swatch : swatches)
        names.push_back(swatch->accessibleName().toStdString());
    EXPECT_EQ(names, (std::vector<std::string>{"Dark", "White", "Blue", "Purple", "Pink", "Red", "Orange", "Yellow",
                                               "Green"}));
    EXPECT_TRUE(swatches[0]->isChecked());
    EXPECT_EQ(swatches[1]->toolTip(), QStringLiteral("White"));

    const QImage before = section->preview().grab().toImage();
    QTest::mouseClick(swatches[1], Qt::LeftButton);
    EXPECT_EQ(Preferences::keyColor(shell.defaults), KeyColor::white);
    EXPECT_TRUE(swatches[1]->isChecked());
    EXPECT_FALSE(swatches[0]->isChecked()) << "one chosen colour at a time";
    EXPECT_EQ(colorChanges, 1) << "the other previews are told";
    EXPECT_NE(section->preview().grab().toImage(), before) << "the keycaps are redrawn white";

    // The dot on the white swatch is dark; on the others it is white.
    const QImage white = swatches[1]->grab().toImage();
    EXPECT_LT(white.pixelColor(white.rect().center()).lightness(), 128);
    QTest::mouseClick(swatches[2], Qt::LeftButton);
    const QImage blue = swatches[2]->grab().toImage();
    EXPECT_EQ(blue.pixelColor(blue.rect().center()), QColor(Qt::white));
}

TEST_F(AppearanceSectionTest, KeyLabelsArePcUntilMacIsChosenAndThePreviewFollows)
{
    const auto section = make();
    QComboBox& labels = section->labelPicker();
    EXPECT_EQ(labels.currentText(), QStringLiteral("PC"));
    const QImage pc = section->preview().grab().toImage();
    labels.setFocus();
    QTest::keyClick(&labels, Qt::Key_Home);
    EXPECT_EQ(Preferences::keyLabelStyle(shell.defaults), KeyLabelStyle::mac);
    EXPECT_EQ(colorChanges, 1) << "the rest of the window is told";
    EXPECT_NE(section->preview().grab().toImage(), pc) << "control, shift, command instead of Ctrl, Shift, Super";
}

TEST_F(AppearanceSectionTest, TheSliderStopsAtHalfSecondsAndTheLabelFollowsTheLocale)
{
    const auto section = make();
    QSlider& slider = section->durationSlider();
    EXPECT_EQ(section->durationText(), QStringLiteral("1.5s"));
    slider.setFocus();
    QTest::keyClick(&slider, Qt::Key_Home);
    EXPECT_EQ(Preferences::displayDuration(shell.defaults), 0.5);
    EXPECT_EQ(section->durationText(), QStringLiteral("0.5s"));
    QTest::keyClick(&slider, Qt::Key_End);
    EXPECT_EQ(Preferences::displayDuration(shell.defaults), 5.0);
    QTest::keyClick(&slider, Qt::Key_Left);
    EXPECT_EQ(Preferences::displayDuration(shell.defaults), 4.5);

    EXPECT_EQ(AppearanceSection::durationLabel(1.5, QLocale(QLocale::German)), QStringLiteral("1,5s"));
    EXPECT_EQ(AppearanceSection::durationLabel(5.0, QLocale(QLocale::English)), QStringLiteral("5.0s"));
}

TEST_F(AppearanceSectionTest, AStoredDurationOffTheStopsIsShownRoundedAndLeftAsStored)
{
    shell.defaults.set(PreferenceKey::displayDuration, 1.25);
    shell.defaults.set(PreferenceKey::overlaySize, 7.0); // not a size at all
    const auto section = make();
    EXPECT_EQ(section->durationText(), QLocale().toString(1.25, 'f', 1) + QStringLiteral("s"));
    EXPECT_EQ(shell.defaults.object(PreferenceKey::displayDuration), DefaultsValue(1.25)) << "not rewritten";
    EXPECT_EQ(section->sizePicker().currentText(), QStringLiteral("Medium")) << "the default";
    EXPECT_EQ(shell.defaults.object(PreferenceKey::overlaySize), DefaultsValue(7.0));

    QComboBox& size = section->sizePicker();
    size.setFocus();
    QTest::keyClick(&size, Qt::Key_Down);
    EXPECT_EQ(Preferences::overlaySize(shell.defaults), OverlaySize::large);
}

} // namespace
} // namespace kestrel
