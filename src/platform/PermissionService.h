#pragma once

namespace kestrel {

// Whether Kestrel may listen to system-wide input ("Input Monitoring").
class PermissionService {
public:
    virtual ~PermissionService() = default;
    // A direct check that never prompts the user.
    virtual bool isInputMonitoringGranted() const = 0;
    // Asks the system for access, prompting the user where the system can; true when granted.
    virtual bool requestInputMonitoring() = 0;
    // Shows the user how to grant access by hand.
    virtual void openSystemSettings() = 0;
};

} // namespace kestrel
