#pragma once

namespace kestrel {

// Whether Kestrel may listen to system-wide input ("Input Monitoring").
class PermissionService {
public:
    virtual ~PermissionService() = default;
    // A direct check that never prompts the user.
    virtual bool isInputMonitoringGranted() const = 0;
};

} // namespace kestrel
