#include "app/MenuPanelModel.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

std::vector<std::string> titles(const MenuPanelModel& model)
{
    std::vector<std::string> result;
    for (const auto& item : model.items)
        result.push_back(std::holds_alternative<MenuDivider>(item) ? "—"
                                                                   : std::get<MenuRowModel>(item).title.english());
    return result;
}

const MenuRowModel& row(const MenuPanelModel& model, MenuAction action)
{
    for (const auto& item : model.items) {
        if (const auto* row = std::get_if<MenuRowModel>(&item); row && row->action == action)
            return *row;
    }
    throw std::runtime_error("no such row");
}

class MenuPanelModelTest : public ::testing::Test {
protected:
    AppInfo info = AppInfo::from({.displayName = "Kestrel"}, "kestrel");
};

TEST_F(MenuPanelModelTest, WithAccessGrantedTheRowsRunAboutUpdatesSettingsQuit)
{
    const auto model = MenuPanelModel::build({.isRunning = true, .canCheckForUpdates = true}, info);
    EXPECT_EQ(titles(model),
              (std::vector<std::string>{"About Kestrel", "Check for Updates…", "—", "Settings…", "—", "Quit Kestrel"}));
    EXPECT_TRUE(model.switchIsOn);
    EXPECT_TRUE(model.switchIsEnabled);
    EXPECT_EQ(model.hotKeyText, "⌃⌥⌘↩");
    EXPECT_EQ(model.subtitle.english(), "Shows your keys and clicks on screen");
    EXPECT_EQ(row(model, MenuAction::settings).shortcut, "Ctrl+,");
    EXPECT_EQ(row(model, MenuAction::quit).shortcut, "Ctrl+Q");
    EXPECT_TRUE(row(model, MenuAction::quit).systemImage.empty());
    EXPECT_EQ(row(model, MenuAction::about).systemImage, "info.circle");
}

TEST_F(MenuPanelModelTest, WithoutAccessTheSwitchIsDisabledAndTheGrantRowComesFirst)
{
    const auto model = MenuPanelModel::build({.isInputMonitoringGranted = false}, info);
    EXPECT_FALSE(model.switchIsEnabled);
    ASSERT_GE(model.items.size(), 2u);
    EXPECT_EQ(std::get<MenuRowModel>(model.items[0]).title.english(), "Grant Input Monitoring…");
    EXPECT_EQ(std::get<MenuRowModel>(model.items[0]).systemImage, "lock");
    EXPECT_TRUE(std::holds_alternative<MenuDivider>(model.items[1]));
}

TEST_F(MenuPanelModelTest, TheUpdateRowFollowsThePendingMarkAndTheUpdater)
{
    const auto pending = MenuPanelModel::build({.isUpdatePending = true, .canCheckForUpdates = false}, info);
    const auto& available = row(pending, MenuAction::checkForUpdates);
    EXPECT_EQ(available.title.english(), "Update Available…");
    EXPECT_TRUE(available.isEmphasized);
    EXPECT_TRUE(available.showsDot);
    EXPECT_TRUE(available.isEnabled); // never disabled, even while the updater is busy

    const auto busy = MenuPanelModel::build({.canCheckForUpdates = false}, info);
    EXPECT_FALSE(row(busy, MenuAction::checkForUpdates).isEnabled);
    EXPECT_FALSE(row(busy, MenuAction::checkForUpdates).showsDot);

    const auto system = MenuPanelModel::build({.updatesComeFromTheSystem = true}, info);
    EXPECT_FALSE(row(system, MenuAction::checkForUpdates).isEnabled);
    EXPECT_FALSE(row(system, MenuAction::checkForUpdates).toolTip.isEmpty());
}

TEST_F(MenuPanelModelTest, TheHotKeyIsWrittenInTheChosenKeyLabels)
{
    EXPECT_EQ(MenuPanelModel::build({.keyLabelStyle = KeyLabelStyle::mac}, info).hotKeyText, "⌃⌥⌘↩");
    EXPECT_EQ(MenuPanelModel::build({.keyLabelStyle = KeyLabelStyle::pc}, info).hotKeyText, "Ctrl+Alt+Super+Enter");
    // Held by another program, it is not offered at all.
    EXPECT_EQ(MenuPanelModel::build({.keyLabelStyle = KeyLabelStyle::pc, .hotKeyWorks = false}, info).hotKeyText, "");
}

TEST_F(MenuPanelModelTest, TitlesFollowTheApplicationName)
{
    const auto model = MenuPanelModel::build({}, AppInfo::from({.name = "Falke"}, "kestrel"));
    EXPECT_EQ(model.name, "Falke");
    EXPECT_EQ(row(model, MenuAction::about).title.english(), "About Falke");
    EXPECT_EQ(row(model, MenuAction::quit).title.english(), "Quit Falke");
}

} // namespace
} // namespace kestrel
