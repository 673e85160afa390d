#include "app/ui/AppDelegate.h"

#include "app/AppInfo.h"
#include "app/OpenAtLogin.h"
#include "app/ui/MenuPanel.h"
#include "app/ui/TrayItem.h"
#include "app/ui/UpdateWindow.h"
#include "settings/ui/SettingsWindow.h"

namespace kestrel {

AppDelegate::AppDelegate(Services services, std::string updateFeedURL)
    : m_services(services),
      m_activation(services.visualizer.scheduler),
      m_updater({.activation = m_activation,
                 .scheduler = services.visualizer.scheduler,
                 .state = services.state,
                 .wallClock = [] { return std::chrono::system_clock::now(); },
                 .network = &services.updateNetwork,
                 .verifier = &services.packageVerifier,
                 .installer = &services.packageInstaller},
                std::move(updateFeedURL), AppInfo::currentBundle().shortVersion.value_or("")),
      m_updateWindow(std::make_unique<UpdateWindow>(m_updater, services.workspace)),
      m_visualizer(services.visualizer),
      m_menuCommands(
          {m_visualizer, m_updater, services.permission, services.visualizer.defaults},
          {.openSettings = [this] { openSettings(); }, .openAbout = [this] { openAbout(); }, .quit = services.quit}),
      m_onboarding({.flow = {.defaults = services.visualizer.defaults,
                             .permission = services.permission,
                             .scheduler = services.visualizer.scheduler,
                             .visualizer = m_visualizer},
                    .activation = m_activation,
                    .loginItem = services.loginItem,
                    .log = services.log,
                    .painter = services.keycapPainter,
                    .relaunch = services.relaunch})
{
    // Where the hot key cannot be had, the settings tell how to bind `kestrel --toggle` instead.
    if (!m_visualizer.hotKeyWorks())
        m_services.session.grabsHotKey = false;
    m_updater.setUserDriver(m_updateWindow.get());
    m_tray = std::make_unique<TrayItem>(
        m_menuCommands, [this]() -> MenuPanel& { return menuPanel(); }, m_services.makeStatusItem);
}

AppDelegate::~AppDelegate() = default;

SettingsWindowController& AppDelegate::settingsWindow()
{
    if (!m_settingsWindow)
        m_settingsWindow = std::make_unique<SettingsWindowController>(
            SettingsWindow::Services{.visualizer = m_visualizer,
                                     .updater = m_updater,
                                     .activation = m_activation,
                                     .defaults = m_services.visualizer.defaults,
                                     .state = m_services.state,
                                     .permission = m_services.permission,
                                     .loginItem = m_services.loginItem,
                                     .log = m_services.log,
                                     .workspace = m_services.workspace,
                                     .painter = m_services.keycapPainter,
                                     .screens = m_services.visualizer.screens,
                                     .passwordFocus = m_services.passwordFocus,
                                     .session = m_services.session});
    return *m_settingsWindow;
}

MenuPanel& AppDelegate::menuPanel()
{
    if (!m_menuPanel) {
        m_menuPanel = std::make_unique<MenuPanel>(m_menuCommands, m_services.visualizer.scheduler);
        if (m_services.hostPanel)
            m_services.hostPanel(*m_menuPanel);
    }
    return *m_menuPanel;
}

void AppDelegate::finishLaunching()
{
    if (OnboardingFlow::shouldShow(m_services.visualizer.defaults))
        m_onboarding.show();
}

void AppDelegate::setOpenAtLogin(bool enabled)
{
    kestrel::setOpenAtLogin(m_services.loginItem, m_services.log, enabled);
}

void AppDelegate::openSettings()
{
    settingsWindow().open();
}

void AppDelegate::openAbout()
{
    settingsWindow().navigation.selection = SettingsSection::about;
    settingsWindow().open();
}

void AppDelegate::handle(LaunchRequest request)
{
    switch (request) {
    case LaunchRequest::start: // launched again: the user is looking for Kestrel
        if (OnboardingWindow* welcome = m_onboarding.window(); welcome && welcome->isVisible()) {
            welcome->bringToFront();
            break;
        }
        openSettings();
        break;
    case LaunchRequest::settings:
        openSettings();
        break;
    case LaunchRequest::toggle:
        m_visualizer.toggle();
        break;
    case LaunchRequest::quit:
        if (m_services.quit)
            m_services.quit();
        break;
    }
}

} // namespace kestrel
