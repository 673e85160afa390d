#pragma once

#include "platform/PermissionService.h"
#include "platform/Workspace.h"

#include <string>

namespace kestrel::x11 {

// On X11 nothing has to be granted: Kestrel may listen whenever the display opens and
// offers XInput 2.2. Where it does not, there is nobody to ask, so a request only reports
// the state and "system settings" is Kestrel's help page that says what is missing.
class X11PermissionService final : public PermissionService {
public:
    X11PermissionService(Workspace& workspace, std::string helpPageURL, std::string displayName = {});

    bool isInputMonitoringGranted() const override;
    bool requestInputMonitoring() override { return isInputMonitoringGranted(); }
    void openSystemSettings() override;

private:
    Workspace& m_workspace;
    std::string m_helpPageURL;
    std::string m_displayName;
};

} // namespace kestrel::x11
