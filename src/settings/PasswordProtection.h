#pragma once

#include "common/UiText.h"
#include "platform/PasswordFocusService.h"

#include <optional>
#include <string>

namespace kestrel {

// What keeps a password typed outside password fields off the screen in this session.
enum class PromptGuard {
    keyboardGrabs, // X11: prompts that take the whole keyboard (screen lockers, pinentry, polkit)
    lockedSession, // the kernel's devices: the session's lock screen, as systemd-logind reports it
    none,          // the kernel's devices, without logind: nothing
};

// What General settings says about passwords in this session: what is protected, and
// whether the accessibility switch is offered.
struct PasswordProtection {
    UiText description;
    bool offersAccessibilitySwitch = false;
};

PasswordProtection passwordProtection(PasswordFocusService::Availability availability,
                                      std::optional<bool> accessibilityEnabled,
                                      PromptGuard guard = PromptGuard::keyboardGrabs);

} // namespace kestrel
