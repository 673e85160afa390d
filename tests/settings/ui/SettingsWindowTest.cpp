#include "settings/ui/SettingsWindow.h"

#include "settings/ui/AboutSection.h"
#include "settings/ui/KeyPreview.h"
#include "settings/ui/PositionPicker.h"
#include "support/EventLoop.h"
#include "support/SettingsDoubles.h"

#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

class SettingsWindowTest : public ::testing::Test {
protected:
    QListWidgetItem* sidebarRow(const QString& title)
    {
        auto items = controller.window()->sidebar().findItems(title, Qt::MatchExactly);
        return items.isEmpty() ? nullptr : items.front();
    }

    test::SettingsDoubles shell;
    SettingsWindowController controller{shell.services()};
};

TEST_F(SettingsWindowTest, NoWindowIsBuiltUntilTheFirstOpenAndThenItIsAlwaysTheSameOne)
{
    EXPECT_EQ(controller.window(), nullptr);
    controller.open();
    SettingsWindow* first = controller.window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("General"));
    EXPECT_EQ(first->width(), SettingsWindow::contentWidth);
    EXPECT_EQ(first->height(), SettingsWindow::idealContentHeight);
    EXPECT_EQ(shell.activation.policy.get(), ActivationPolicy::regular);

    // Only the section shown is built.
    const auto aboutSections = [first] {
        const auto widgets = first->findChildren<QWidget*>();
        return std::count_if(widgets.begin(), widgets.end(),
                             [](QWidget* widget) { return dynamic_cast<AboutSection*>(widget) != nullptr; });
    };
    EXPECT_EQ(aboutSections(), 0);

    // About while open at General: selection, detail and title follow, no second window.
    controller.navigation.selection = SettingsSection::about;
    controller.open();
    EXPECT_EQ(controller.window(), first);
    EXPECT_EQ(first->windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(first->detailTitle(), QStringLiteral("About"));
    EXPECT_TRUE(sidebarRow("About")->isSelected());
    EXPECT_EQ(aboutSections(), 1);
}

TEST_F(SettingsWindowTest, TheSidebarAndTheNavigationFollowEachOther)
{
    controller.navigation.selection = SettingsSection::displays;
    controller.open();
    SettingsWindow& window = *controller.window();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Displays")) << "the first window opens at the selection";

    sidebarRow("Appearance")->setSelected(true);
    EXPECT_EQ(controller.navigation.selection.get(), SettingsSection::appearance);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Appearance"));

    // Nothing selected shows General under its title.
    window.sidebar().clearSelection();
    EXPECT_EQ(controller.navigation.selection.get(), std::nullopt);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("General"));
    EXPECT_EQ(window.detailTitle(), QStringLiteral("General"));

    // Headings are not choices.
    const auto headings = window.sidebar().findItems(QStringLiteral("Essentials"), Qt::MatchExactly);
    ASSERT_EQ(headings.size(), 1);
    EXPECT_FALSE(headings.front()->flags() & Qt::ItemIsSelectable);
}

TEST_F(SettingsWindowTest, OnlyTheAboutRowCarriesTheUpdateMark)
{
    controller.open();
    SettingsWindow& window = *controller.window();
    EXPECT_TRUE(sidebarRow("About")->data(Qt::AccessibleDescriptionRole).toString().isEmpty());
    const QImage before = window.sidebar().viewport()->grab().toImage();
    shell.updater.reminders.foundUpdateGently();
    EXPECT_EQ(sidebarRow("About")->data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("Update available"));
    for (const char* other : {"General", "Appearance", "Displays"})
        EXPECT_TRUE(sidebarRow(other)->data(Qt::AccessibleDescriptionRole).toString().isEmpty()) << other;

    // The dot is drawn in the About row and nowhere else.
    const QImage after = window.sidebar().viewport()->grab().toImage();
    const QRect about = window.sidebar().visualItemRect(sidebarRow("About"));
    QRect changed;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (after.pixel(x, y) != before.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
        }
    }
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_TRUE(about.contains(changed)) << "changed area outside the About row";
}

TEST_F(SettingsWindowTest, ClosingHidesKeepsTheFrameAndEndsTheRegularState)
{
    controller.open();
    SettingsWindow* window = controller.window();
    window->move(40, 60);
    window->resize(SettingsWindow::contentWidth, 500);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(shell.activation.policy.get(), ActivationPolicy::accessory);
    ASSERT_TRUE(shell.state.object("settingsWindowFrame").has_value());
    // Its pixels go with its native window; the widgets stay.
    EXPECT_TRUE(test::runEventLoopUntil([&] { return window->backingStore() == nullptr; }));
    EXPECT_EQ(window->windowHandle(), nullptr);

    controller.open();
    EXPECT_EQ(controller.window(), window);
    EXPECT_EQ(window->height(), 500) << "reopened as it was left, not centred anew";

    // A later run builds its window at the saved frame.
    SettingsWindowController nextRun{shell.services()};
    EXPECT_EQ(nextRun.makeWindow().size(), QSize(SettingsWindow::contentWidth, 500));

    // Escape closes it too, as it does the desktop's other windows.
    controller.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());

    // Width is fixed; height has a floor.
    window->resize(1200, 200);
    EXPECT_EQ(window->width(), SettingsWindow::contentWidth);
    EXPECT_EQ(window->height(), SettingsWindow::minimumContentHeight);
}

TEST_F(SettingsWindowTest, PicturesBehindThePreviewsAreKeptOnlyWhileTheyShow)
{
    const auto previewsHolding = [this] {
        int holding = 0;
        for (QWidget* widget : controller.window()->findChildren<QWidget*>()) {
            if (const auto* preview = dynamic_cast<KeyPreview*>(widget))
                holding += preview->holdsBackground() ? 1 : 0;
            else if (const auto* picker = dynamic_cast<PositionPicker*>(widget))
                holding += picker->holdsBackground() ? 1 : 0;
        }
        return holding;
    };
    controller.navigation.selection = SettingsSection::displays;
    controller.open();
    controller.window()->grab();
    EXPECT_EQ(previewsHolding(), 1) << "the position picker's";

    // Another section: the picker left behind lets its picture go.
    controller.navigation.selection = SettingsSection::appearance;
    controller.window()->grab();
    EXPECT_EQ(previewsHolding(), 1) << "the keycap preview's";

    controller.window()->close();
    EXPECT_EQ(previewsHolding(), 0) << "a closed window keeps none";
    controller.open();
    controller.window()->grab();
    EXPECT_EQ(previewsHolding(), 1) << "drawn again when shown";
}

} // namespace
} // namespace kestrel
