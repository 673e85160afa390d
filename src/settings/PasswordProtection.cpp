#include "settings/PasswordProtection.h"

namespace kestrel {

namespace {

std::string capitalized(std::string text)
{
    if (!text.empty() && text.front() >= 'a' && text.front() <= 'z')
        text.front() = static_cast<char>(text.front() - 'a' + 'A');
    return text;
}

} // namespace

PasswordProtection passwordProtection(PasswordFocusService::Availability availability,
                                      std::optional<bool> accessibilityEnabled, PromptGuard guard)
{
    using Availability = PasswordFocusService::Availability;
    // What is hidden besides password fields, and what is not.
    std::string guarded;
    std::string unguarded;
    switch (guard) {
    case PromptGuard::keyboardGrabs:
        guarded = "prompts that take the whole keyboard";
        break;
    case PromptGuard::lockedSession:
        guarded = "the lock screen";
        unguarded = ". Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo "
                    "in a terminal, system dialogs) show";
        break;
    case PromptGuard::none:
        unguarded = ". The lock screen and other password prompts show: Kestrel cannot ask systemd-logind whether the "
                    "session is locked";
        break;
    }
    switch (availability) {
    case Availability::looking:
        if (guarded.empty())
            return {"Looking for the accessibility bus to find password fields" + unguarded, false};
        return {capitalized(guarded) + (guard == PromptGuard::keyboardGrabs ? " are" : " is") +
                    " hidden; looking for the accessibility bus to find password fields" + unguarded,
                false};
    case Availability::unavailable:
        if (guarded.empty())
            return {"Nothing is hidden: without an accessibility bus, password fields cannot be told apart and their "
                    "keys show" +
                        unguarded,
                    false};
        return {"Only " + guarded + (guard == PromptGuard::keyboardGrabs ? " are" : " is") +
                    " hidden: without an accessibility bus, password fields in other windows cannot be told apart "
                    "and their keys show" +
                    unguarded,
                false};
    case Availability::available: {
        // "… in prompts that take the whole keyboard", "… on the lock screen".
        const std::string where =
            guarded.empty() ? "" : (guard == PromptGuard::lockedSession ? "on " : "in ") + guarded;
        if (accessibilityEnabled.value_or(false))
            return {"Hidden in password fields of applications that report to the accessibility bus" +
                        (where.empty() ? "" : ", and " + where) + unguarded,
                    true};
        return {"Hidden in password fields of GTK applications" + (where.empty() ? "" : " and " + where) + unguarded +
                    ". Turn on accessibility to cover Qt applications and Chromium started afterwards (a change for "
                    "the whole desktop)",
                true};
    }
    }
    return {};
}

} // namespace kestrel
