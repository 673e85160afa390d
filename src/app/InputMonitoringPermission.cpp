#include "app/InputMonitoringPermission.h"

#include "settings/Preferences.h"

namespace kestrel {

void InputMonitoringPermission::request(DefaultsStore& defaults, PermissionService& permission)
{
    const bool wasRequested = Preferences::hasRequestedInputMonitoring(defaults);
    defaults.set(PreferenceKey::hasRequestedInputMonitoring, true);
    if (!permission.requestInputMonitoring() && wasRequested)
        permission.openSystemSettings();
}

} // namespace kestrel
