#include "app/InputMonitoringPermission.h"

#include "settings/Preferences.h"

namespace kestrel {

void InputMonitoringPermission::request(DefaultsStore& defaults, PermissionService& permission)
{
    const bool wasRequested = Preferences::hasRequestedInputMonitoring(defaults);
    defaults.set(PreferenceKey::hasRequestedInputMonitoring, true);
    if (!permission.requestInputMonitoring() && wasRequested && !permission.asksSystem())
        permission.openSystemSettings();
}

UiMessage InputMonitoringPermission::choicesText(std::string_view appName)
{
    return {KESTREL_TEXT("InputMonitoring",
                         "Allow… asks for an administrator's password, then a small reader reads the keyboard and "
                         "mouse for %1 only while it runs. Or join the input group: that lasts, needs a new login, "
                         "and lets every program you run read every key."),
            {std::string(appName)}};
}

UiText InputMonitoringPermission::requestText(AccessRequest request)
{
    switch (request) {
    case AccessRequest::asking:
        return KESTREL_TEXT("InputMonitoring", "Waiting for the system to ask for a password…");
    case AccessRequest::cancelled:
        return KESTREL_TEXT("InputMonitoring", "Authentication was cancelled. Nothing was changed.");
    case AccessRequest::refused:
        return KESTREL_TEXT("InputMonitoring", "The system did not allow it. Nothing was changed.");
    case AccessRequest::failed:
        return KESTREL_TEXT(
            "InputMonitoring",
            "The keyboard reader could not start. Nothing was changed; the input group is the other way.");
    case AccessRequest::unavailable:
        return KESTREL_TEXT("InputMonitoring",
                            "The system cannot ask for a password here. Use the input group instead.");
    case AccessRequest::ended:
        return KESTREL_TEXT("InputMonitoring",
                            "The keyboard reader stopped, so keys are not shown. Choose Allow… to start it again.");
    case AccessRequest::none:
    case AccessRequest::allowed:
        break;
    }
    return {};
}

} // namespace kestrel
