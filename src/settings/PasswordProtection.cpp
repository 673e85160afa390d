#include "settings/PasswordProtection.h"

namespace kestrel {

PasswordProtection passwordProtection(PasswordFocusService::Availability availability,
                                      std::optional<bool> accessibilityEnabled)
{
    using Availability = PasswordFocusService::Availability;
    switch (availability) {
    case Availability::looking:
        return {"Prompts that take the whole keyboard are hidden; looking for the accessibility bus to find "
                "password fields",
                false};
    case Availability::unavailable:
        return {"Only prompts that take the whole keyboard are hidden: without an accessibility bus, password "
                "fields in other windows cannot be told apart and their keys show",
                false};
    case Availability::available:
        if (accessibilityEnabled.value_or(false))
            return {"Hidden in password fields of applications that report to the accessibility bus, and in "
                    "prompts that take the whole keyboard",
                    true};
        return {"Hidden in password fields of GTK applications and in prompts that take the whole keyboard. "
                "Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for the "
                "whole desktop)",
                true};
    }
    return {};
}

} // namespace kestrel
