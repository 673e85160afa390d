#pragma once

#include "app/WindowActivation.h"
#include "settings/SettingsSection.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QStackedWidget;

namespace kestrel {

class AppUpdater;
class DefaultsStore;
class Visualizer;

// The settings window: a sidebar of sections on the left (Essentials: General, Appearance,
// Displays; App: About) and the chosen section on the right, titled like the window. It
// follows the navigation both ways, shows a dot on About while an update waits, and keeps
// its frame in Kestrel's state file so it reopens where the user left it. Closing only
// hides it.
class SettingsWindow final : public QWidget, public ShellWindow {
public:
    // Its content is 870 pixels wide, at least 460 high, 726 high at first.
    static constexpr int contentWidth = 870;
    static constexpr int minimumContentHeight = 460;
    static constexpr int idealContentHeight = 726;
    static constexpr int sidebarWidth = 240;

    SettingsWindow(SettingsNavigation& navigation, AppUpdater& updater, WindowActivation& activation,
                   DefaultsStore& state);
    ~SettingsWindow() override;

    void bringToFront() override;
    // Writes the frame to the state file; done on close and when Kestrel quits.
    void saveFrame();

    QListWidget& sidebar() { return *m_sidebar; }
    QString detailTitle() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showSelection();
    void refreshDot();

    SettingsNavigation& m_navigation;
    AppUpdater& m_updater;
    WindowActivation& m_activation;
    DefaultsStore& m_state;
    QListWidget* m_sidebar = nullptr;
    QStackedWidget* m_detail = nullptr;
    std::vector<QLabel*> m_titles;
    std::vector<std::function<void()>> m_unsubscribe;
};

// Owns the navigation and, from the first time it is opened, the one settings window.
class SettingsWindowController {
public:
    SettingsWindowController(Visualizer& visualizer, AppUpdater& updater, WindowActivation& activation,
                             DefaultsStore& state);
    ~SettingsWindowController();

    SettingsNavigation navigation;
    // Nothing until the window is first opened.
    SettingsWindow* window() const { return m_window.get(); }
    SettingsWindow& makeWindow();
    // Shows the window at the navigation's section, in front, with the keyboard focus.
    void open();

private:
    Visualizer& m_visualizer;
    AppUpdater& m_updater;
    WindowActivation& m_activation;
    DefaultsStore& m_state;
    std::unique_ptr<SettingsWindow> m_window;
};

} // namespace kestrel
