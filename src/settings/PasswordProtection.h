#pragma once

#include "platform/PasswordFocusService.h"

#include <optional>
#include <string>

namespace kestrel {

// What General settings says about passwords in this session: what is protected, and
// whether the accessibility switch is offered.
struct PasswordProtection {
    std::string description;
    bool offersAccessibilitySwitch = false;
};

PasswordProtection passwordProtection(PasswordFocusService::Availability availability,
                                      std::optional<bool> accessibilityEnabled);

} // namespace kestrel
