#include "settings/PasswordProtection.h"

namespace kestrel {

namespace {

// What General settings says, whole, for each guard (rows) and each state of the
// accessibility bus: looking for it, none, there with accessibility on, there with it off.
struct Sayings {
    UiText looking;
    UiText unavailable;
    UiText accessibilityOn;
    UiText accessibilityOff;
};

const Sayings& sayings(PromptGuard guard)
{
    static const Sayings keyboardGrabs{
        KESTREL_TEXT("PasswordProtection", "Prompts that take the whole keyboard are hidden; looking for the "
                                           "accessibility bus to find password fields"),
        KESTREL_TEXT("PasswordProtection",
                     "Only prompts that take the whole keyboard are hidden: without an accessibility bus, password "
                     "fields in other windows cannot be told apart and their keys show"),
        KESTREL_TEXT("PasswordProtection", "Hidden in password fields of applications that report to the accessibility "
                                           "bus, and in prompts that take the whole keyboard"),
        KESTREL_TEXT(
            "PasswordProtection",
            "Hidden in password fields of GTK applications and in prompts that take the whole keyboard. Turn on "
            "accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)"),
    };
    static const Sayings lockedSession{
        KESTREL_TEXT("PasswordProtection", "The lock screen is hidden; looking for the accessibility bus to find "
                                           "password fields. Lock screens that do not tell systemd-logind (swaylock) "
                                           "and other password prompts (sudo in a terminal, system dialogs) show"),
        KESTREL_TEXT("PasswordProtection",
                     "Only the lock screen is hidden: without an accessibility bus, password fields in other windows "
                     "cannot be told apart and their keys show. Lock screens that do not tell systemd-logind "
                     "(swaylock) and other password prompts (sudo in a terminal, system dialogs) show"),
        KESTREL_TEXT("PasswordProtection",
                     "Hidden in password fields of applications that report to the accessibility bus, and on the lock "
                     "screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo "
                     "in a terminal, system dialogs) show"),
        KESTREL_TEXT(
            "PasswordProtection",
            "Hidden in password fields of GTK applications and on the lock screen. Lock screens that do not tell "
            "systemd-logind (swaylock) and other password prompts (sudo in a terminal, system dialogs) show. Turn on "
            "accessibility to cover Qt applications and Chromium started afterwards (a change for the whole desktop)"),
    };
    static const Sayings none{
        KESTREL_TEXT("PasswordProtection",
                     "Looking for the accessibility bus to find password fields. The lock screen and other password "
                     "prompts show: Kestrel cannot ask systemd-logind whether the session is locked"),
        KESTREL_TEXT("PasswordProtection", "Nothing is hidden: without an accessibility bus, password fields cannot be "
                                           "told apart and their keys show. The lock screen and other password prompts "
                                           "show: Kestrel cannot ask systemd-logind whether the session is locked"),
        KESTREL_TEXT(
            "PasswordProtection",
            "Hidden in password fields of applications that report to the accessibility bus. The lock screen and other "
            "password prompts show: Kestrel cannot ask systemd-logind whether the session is locked"),
        KESTREL_TEXT("PasswordProtection",
                     "Hidden in password fields of GTK applications. The lock screen and other password prompts show: "
                     "Kestrel cannot ask systemd-logind whether the session is locked. Turn on accessibility to cover "
                     "Qt applications and Chromium started afterwards (a change for the whole desktop)"),
    };
    switch (guard) {
    case PromptGuard::keyboardGrabs:
        return keyboardGrabs;
    case PromptGuard::lockedSession:
        return lockedSession;
    case PromptGuard::none:
        break;
    }
    return none;
}

} // namespace

PasswordProtection passwordProtection(PasswordFocusService::Availability availability,
                                      std::optional<bool> accessibilityEnabled, PromptGuard guard)
{
    const Sayings& said = sayings(guard);
    switch (availability) {
    case PasswordFocusService::Availability::looking:
        return {said.looking, false};
    case PasswordFocusService::Availability::unavailable:
        return {said.unavailable, false};
    case PasswordFocusService::Availability::available:
        return {accessibilityEnabled.value_or(false) ? said.accessibilityOn : said.accessibilityOff, true};
    }
    return {};
}

} // namespace kestrel
