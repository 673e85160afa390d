#pragma once

#include "common/UiText.h"

#include "platform/DefaultsStore.h"
#include "platform/PermissionService.h"

#include <string>
#include <string_view>

namespace kestrel {

// Asking for input access, for the tray panel, onboarding and the settings.
namespace InputMonitoringPermission {

// Where the system is asked through its dialog, a request asks again each time. Elsewhere the
// first request only prompts; each later one while access is still missing also shows how to
// grant it by hand. Whether access is granted is never cached here: callers ask the
// permission service.
void request(DefaultsStore& defaults, PermissionService& permission);

// The state file's record that the user chose the system's dialog (the privileged reader):
// the next start asks through it again. It holds the choice, never a password or a grant.
inline constexpr std::string_view readerChosenKey = "readsInputThroughReader";

// The two ways to allow access where the system is asked through its dialog, in words.
UiMessage choicesText(std::string_view appName);
// What a page says of the last request; empty when there is nothing to say.
UiText requestText(AccessRequest request);

// The buttons' titles: asking through the system's dialog, and the other way.
inline constexpr UiText allowTitle = KESTREL_TEXT("InputMonitoring", "Allow…");
inline constexpr UiText otherWayTitle = KESTREL_TEXT("InputMonitoring", "Use the Input Group Instead…");

} // namespace InputMonitoringPermission

} // namespace kestrel
