#pragma once

#include "common/Observable.h"

namespace kestrel {

// The course of a request made through the system's own authentication dialog.
enum class AccessRequest {
    none,        // nothing asked (or nothing to say)
    asking,      // the system is asking for a password
    allowed,     // allowed: keys are read
    cancelled,   // the user cancelled the dialog; nothing changed
    refused,     // the system said no; nothing changed
    unavailable, // the system cannot be asked here (no pkexec)
    failed,      // allowed, but what was allowed could not start
    ended,       // allowed earlier, the reading has stopped since
};

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
    // Whether a request asks the system through its authentication dialog, whose answer
    // comes later (in `accessRequest`); the settings by hand are then the other way.
    virtual bool asksSystem() const { return false; }

    // What came of the last request through the authentication dialog.
    Observable<AccessRequest> accessRequest{AccessRequest::none};
};

} // namespace kestrel
