#pragma once

#include "platform/DefaultsStore.h"
#include "platform/PermissionService.h"

namespace kestrel {

// Asking for input access, for the tray panel and onboarding. The first request only
// prompts; each later one while access is still missing also shows how to grant it by hand.
// Whether access is granted is never cached here: callers ask the permission service.
namespace InputMonitoringPermission {
void request(DefaultsStore& defaults, PermissionService& permission);
} // namespace InputMonitoringPermission

} // namespace kestrel
