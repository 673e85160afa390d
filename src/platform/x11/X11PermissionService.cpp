#include "platform/x11/X11PermissionService.h"

#include "platform/x11/X11EventTapService.h"

namespace kestrel::x11 {

bool X11PermissionService::isInputMonitoringGranted() const
{
    return X11EventTapService::canListen(m_displayName);
}

} // namespace kestrel::x11
