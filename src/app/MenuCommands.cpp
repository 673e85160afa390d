#include "app/MenuCommands.h"

#include "app/AppUpdater.h"
#include "app/InputMonitoringPermission.h"
#include "overlay/Visualizer.h"
#include "platform/DefaultsStore.h"
#include "platform/PermissionService.h"
#include "settings/Preferences.h"

namespace kestrel {

MenuPanelModel MenuCommands::model() const
{
    return MenuPanelModel::build({.isRunning = m_services.visualizer.isRunning,
                                  .isInputMonitoringGranted = m_services.permission.isInputMonitoringGranted(),
                                  .isUpdatePending = m_services.updater.reminders.isUpdatePending,
                                  .canCheckForUpdates = m_services.updater.canCheckForUpdates,
                                  .updatesComeFromTheSystem = m_services.updater.updatesComeFromTheSystem(),
                                  .keyLabelStyle = Preferences::keyLabelStyle(m_services.defaults),
                                  .hotKeyWorks = m_services.visualizer.hotKeyWorks()},
                                 AppInfo::current());
}

void MenuCommands::run(MenuAction action)
{
    const auto call = [](const std::function<void()>& action) {
        if (action)
            action();
    };
    switch (action) {
    case MenuAction::grantInputMonitoring:
        InputMonitoringPermission::request(m_services.defaults, m_services.permission);
        break;
    case MenuAction::about:
        call(m_actions.openAbout);
        break;
    case MenuAction::checkForUpdates:
        m_services.updater.checkForUpdates();
        break;
    case MenuAction::settings:
        call(m_actions.openSettings);
        break;
    case MenuAction::quit:
        call(m_actions.quit);
        break;
    }
}

void MenuCommands::setShowingKeys(bool on)
{
    m_services.defaults.set(PreferenceKey::showKeystrokes, on);
    if (on)
        m_services.visualizer.start();
    else
        m_services.visualizer.stop();
}

} // namespace kestrel
