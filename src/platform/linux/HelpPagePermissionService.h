#pragma once

#include "platform/PermissionService.h"
#include "platform/Workspace.h"

#include <functional>
#include <string>

namespace kestrel {

// Input access where the system has nobody to ask for it: on X11 Kestrel may listen whenever
// the display offers XInput 2.2; on Wayland desktops when this user may read a keyboard in
// /dev/input. A request only reports the state, and "system settings" is Kestrel's help page,
// which says what is missing and how to grant it.
class HelpPagePermissionService final : public PermissionService {
public:
    HelpPagePermissionService(Workspace& workspace, std::string helpPageURL, std::function<bool()> canListen)
        : m_workspace(workspace), m_helpPageURL(std::move(helpPageURL)), m_canListen(std::move(canListen))
    {}

    bool isInputMonitoringGranted() const override { return m_canListen(); }
    bool requestInputMonitoring() override { return isInputMonitoringGranted(); }
    void openSystemSettings() override
    {
        if (!m_helpPageURL.empty())
            m_workspace.openURL(m_helpPageURL);
    }

private:
    Workspace& m_workspace;
    std::string m_helpPageURL;
    std::function<bool()> m_canListen;
};

} // namespace kestrel
