#pragma once

#include "app/MenuPanelModel.h"

#include <functional>

namespace kestrel {

class AppUpdater;
class DefaultsStore;
class PermissionService;
class Visualizer;

// What the tray's panel and the tray's menu both offer: the rows as they stand now, and what
// a row or the switch does. Both windows of the tray read and act only through this, so a
// row means the same in either.
class MenuCommands {
public:
    struct Services {
        Visualizer& visualizer;
        AppUpdater& updater;
        PermissionService& permission;
        DefaultsStore& defaults;
    };
    struct Actions {
        std::function<void()> openSettings;
        std::function<void()> openAbout;
        std::function<void()> quit;
    };

    MenuCommands(Services services, Actions actions) : m_services(services), m_actions(std::move(actions)) {}

    // The rows, derived afresh from what Kestrel and the system say now.
    MenuPanelModel model() const;
    void run(MenuAction action);
    // The switch: the wish is recorded first, so it holds even when starting is refused.
    void setShowingKeys(bool on);

    const Services& services() const { return m_services; }

private:
    Services m_services;
    Actions m_actions;
};

} // namespace kestrel
