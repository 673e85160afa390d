#include "platform/x11/X11PermissionService.h"

#include "platform/x11/X11EventTapService.h"

namespace kestrel::x11 {

X11PermissionService::X11PermissionService(Workspace& workspace, std::string helpPageURL, std::string displayName)
    : m_workspace(workspace), m_helpPageURL(std::move(helpPageURL)), m_displayName(std::move(displayName))
{}

bool X11PermissionService::isInputMonitoringGranted() const
{
    return X11EventTapService::canListen(m_displayName);
}

void X11PermissionService::openSystemSettings()
{
    if (!m_helpPageURL.empty())
        m_workspace.openURL(m_helpPageURL);
}

} // namespace kestrel::x11
