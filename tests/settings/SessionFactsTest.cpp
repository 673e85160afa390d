#include "settings/SessionFacts.h"

#include <gtest/gtest.h>

namespace kestrel {
namespace {

using Availability = PasswordFocusService::Availability;

bool says(std::string_view text, const char* part)
{
    return text.find(part) != std::string_view::npos;
}

TEST(SessionFacts, PasswordProtectionSaysWhatThisSessionHides)
{
    // X11: the grab detector hides whole-keyboard prompts, whatever the accessibility bus does.
    EXPECT_EQ(passwordProtection(Availability::available, false).description.english(),
              "Hidden in password fields of GTK applications and in prompts that take the whole keyboard. Turn on "
              "accessibility to cover Qt applications and Chromium started afterwards (a change for the whole "
              "desktop)");
    EXPECT_EQ(passwordProtection(Availability::unavailable, std::nullopt).description.english(),
              "Only prompts that take the whole keyboard are hidden: without an accessibility bus, password fields in "
              "other windows cannot be told apart and their keys show");

    // The kernel's devices: the lock screen, and plainly not the other prompts.
    const auto locked = passwordProtection(Availability::available, true, PromptGuard::lockedSession);
    EXPECT_EQ(locked.description.english(),
              "Hidden in password fields of applications that report to the accessibility bus, and on the lock "
              "screen. Lock screens that do not tell systemd-logind (swaylock) and other password prompts (sudo in "
              "a terminal, system dialogs) show");
    EXPECT_TRUE(locked.offersAccessibilitySwitch);
    const auto looking = passwordProtection(Availability::looking, std::nullopt, PromptGuard::lockedSession);
    EXPECT_TRUE(looking.description.english().starts_with("The lock screen is hidden; looking"))
        << looking.description.english();
    EXPECT_FALSE(says(looking.description.english(), "whole keyboard"));

    // Without logind, not even the lock screen.
    const auto nothing = passwordProtection(Availability::unavailable, std::nullopt, PromptGuard::none);
    EXPECT_TRUE(nothing.description.english().starts_with("Nothing is hidden")) << nothing.description.english();
    EXPECT_TRUE(says(nothing.description.english(), "The lock screen and other password prompts show"));
    EXPECT_TRUE(says(passwordProtection(Availability::available, false, PromptGuard::none).description.english(),
                     "Hidden in password fields of GTK applications. The lock screen"));
}

TEST(SessionFacts, WithoutAKeyGrabTheSwitchSaysHowToBindOne)
{
    EXPECT_EQ(showKeysHint(KeyLabelStyle::mac, {}).english(), "Turn on or off anytime with ⌃⌥⌘↩");
    const std::string wayland = showKeysHint(KeyLabelStyle::mac, {.grabsHotKey = false}).english();
    EXPECT_TRUE(says(wayland, "kestrel --toggle")) << wayland;
    EXPECT_FALSE(says(wayland, "⌃⌥⌘↩"));
}

} // namespace
} // namespace kestrel
