#pragma once

#include "app/WindowActivation.h"
#include "settings/SessionFacts.h"
#include "settings/SettingsSection.h"

#include <QCoreApplication>
#include <QWidget>

#include <array>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QStackedWidget;
class QVBoxLayout;

namespace kestrel {

class AboutSection;
class AppearanceSection;
class DisplaysSection;
class ScreenService;
class AppUpdater;
class DefaultsStore;
class GeneralSection;
class KeycapPainter;
class LoginItemService;
class PasswordFocusService;
class PermissionService;
class SystemLog;
class Visualizer;
class Workspace;

// The settings window: a sidebar of sections on the left (Essentials: General, Appearance,
// Displays; App: About) and the chosen section on the right, titled like the window. It
// follows the navigation both ways, shows a dot on About while an update waits, and keeps
// its frame in Kestrel's state file so it reopens where the user left it. Closing only
// hides it.
class SettingsWindow final : public QWidget, public ShellWindow {
    Q_DECLARE_TR_FUNCTIONS(SettingsWindow)

public:
    // Its content is 870 pixels wide, at least 460 high, 726 high at first.
    static constexpr int contentWidth = 870;
    static constexpr int minimumContentHeight = 460;
    static constexpr int idealContentHeight = 726;
    static constexpr int sidebarWidth = 240;

    // What the window and its sections work with.
    struct Services {
        Visualizer& visualizer;
        AppUpdater& updater;
        WindowActivation& activation;
        DefaultsStore& defaults;
        DefaultsStore& state; // Kestrel's state file: the window's frame
        PermissionService& permission;
        LoginItemService& loginItem;
        SystemLog& log;
        Workspace& workspace;
        KeycapPainter& painter;
        const ScreenService& screens;
        PasswordFocusService& passwordFocus;
        SessionFacts session;
    };

    SettingsWindow(SettingsNavigation& navigation, Services services);
    ~SettingsWindow() override;

    void bringToFront() override;
    // Writes the frame to the state file; done on close and when Kestrel quits.
    void saveFrame();

    QListWidget& sidebar() { return *m_sidebar; }
    QString detailTitle() const;
    // Each section, built on first use.
    GeneralSection& general();
    AppearanceSection& appearance();
    DisplaysSection& displays();
    AboutSection& about();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget& section(SettingsSection section);
    void showSelection();
    void refreshDot();

    SettingsNavigation& m_navigation;
    Services m_services;
    QListWidget* m_sidebar = nullptr;
    std::array<QWidget*, settingsSections.size()> m_sections{};
    std::vector<QVBoxLayout*> m_pageLayouts;
    QStackedWidget* m_detail = nullptr;
    std::vector<QLabel*> m_titles;
    std::vector<std::function<void()>> m_unsubscribe;
};

// Owns the navigation and, from the first time it is opened, the one settings window.
class SettingsWindowController {
public:
    explicit SettingsWindowController(SettingsWindow::Services services);
    ~SettingsWindowController();

    SettingsNavigation navigation;
    // Nothing until the window is first opened.
    SettingsWindow* window() const { return m_window.get(); }
    SettingsWindow& makeWindow();
    // Shows the window at the navigation's section, in front, with the keyboard focus.
    void open();

private:
    SettingsWindow::Services m_services;
    std::unique_ptr<SettingsWindow> m_window;
};

} // namespace kestrel
