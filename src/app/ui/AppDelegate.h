#pragma once

#include "app/AppUpdater.h"
#include "app/CommandLine.h"
#include "app/MenuCommands.h"
#include "app/WindowActivation.h"
#include "app/ui/OnboardingWindow.h"
#include "overlay/Visualizer.h"
#include "platform/LoginItemService.h"
#include "platform/PasswordFocusService.h"
#include "platform/StatusItemService.h"
#include "platform/SystemLog.h"
#include "settings/SessionFacts.h"

#include <functional>
#include <memory>

class QWidget;

namespace kestrel {

class KeycapPainter;
class MenuPanel;
class SettingsWindowController;
class TrayItem;
class UpdateWindow;
class Workspace;

// Holds Kestrel together for the whole run: the update service, the visualizer, the tray
// item, onboarding, and (built the first time they are needed) the menu panel and the
// settings window.
// It answers the requests of later launches. Nothing is released before the process ends.
class AppDelegate {
public:
    struct Services {
        Visualizer::Services visualizer;
        PermissionService& permission;
        DefaultsStore& state; // Kestrel's own state file, not the preferences
        Workspace& workspace;
        UpdateNetwork& updateNetwork;
        PackageVerifier& packageVerifier;
        PackageInstaller& packageInstaller;
        LoginItemService& loginItem;
        PasswordFocusService& passwordFocus;
        SystemLog& log;
        KeycapPainter& keycapPainter;
        std::function<void()> quit;
        // Starts a new Kestrel and ends this one, for a grant only a new process sees.
        std::function<void()> relaunch;
        SessionFacts session;
        // Takes the menu panel over where Qt cannot open a window at a place of its choosing
        // (a native Wayland client): called once, when the panel is built. Empty elsewhere.
        std::function<void(QWidget& panel)> hostPanel = {};
        // Kestrel's item for a StatusNotifier tray, where the session has a bus for one.
        StatusItemService::Maker makeStatusItem = {};
    };

    // Without a feed address the distribution updates Kestrel, and nothing is checked.
    AppDelegate(Services services, std::string updateFeedURL);
    ~AppDelegate();

    AppDelegate(const AppDelegate&) = delete;
    AppDelegate& operator=(const AppDelegate&) = delete;

    WindowActivation& activation() { return m_activation; }
    AppUpdater& updater() { return m_updater; }
    Visualizer& visualizer() { return m_visualizer; }
    SettingsWindowController& settingsWindow();
    MenuPanel& menuPanel();
    TrayItem& trayItem() { return *m_tray; }

    // Starting at login, as General settings and onboarding show and change it: a refused
    // change is logged once, and the state read back tells the truth.
    bool isOpenAtLogin() const { return m_services.loginItem.isEnabled(); }
    void setOpenAtLogin(bool enabled);

    // The welcome window on a launch before onboarding was completed; nothing otherwise.
    void finishLaunching();
    OnboardingWindowController& onboarding() { return m_onboarding; }

    // The settings window at the section it last showed, or at About.
    void openSettings();
    void openAbout();
    // A request from a later launch of `kestrel`, or from this launch's own command line.
    void handle(LaunchRequest request);

private:
    Services m_services;
    WindowActivation m_activation;
    AppUpdater m_updater;
    std::unique_ptr<UpdateWindow> m_updateWindow;
    Visualizer m_visualizer;
    MenuCommands m_menuCommands;
    std::unique_ptr<SettingsWindowController> m_settingsWindow;
    std::unique_ptr<MenuPanel> m_menuPanel;
    std::unique_ptr<TrayItem> m_tray;
    OnboardingWindowController m_onboarding;
};

} // namespace kestrel
