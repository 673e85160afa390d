#pragma once

#include "app/ui/OnboardingWindow.h"
#include "overlay/ui/KeycapArtwork.h"
#include "overlay/ui/KeycapPainter.h"
#include "settings/ui/SettingsWindow.h"

#include "support/FakePasswordFocus.h"
#include "support/ShellDoubles.h"

namespace kestrel::test {

// What the settings and onboarding windows are built from in their tests: the shell's doubles and the real
// keycap painter.
struct SettingsDoubles : ShellDoubles {
    KeycapArtwork artwork;
    KeycapPainter painter{artwork};
    FakePasswordFocus passwordFocus;

    SettingsWindow::Services services()
    {
        return {.visualizer = visualizer,
                .updater = updater,
                .activation = activation,
                .defaults = defaults,
                .state = state,
                .permission = permission,
                .loginItem = loginItem,
                .log = log,
                .workspace = workspace,
                .painter = painter,
                .screens = screens,
                .passwordFocus = passwordFocus};
    }

    // What the onboarding window is built from; `relaunch` stands for starting Kestrel anew.
    OnboardingWindow::Services onboardingServices(std::function<void()> relaunch = [] {})
    {
        return {
            .flow = {.defaults = defaults, .permission = permission, .scheduler = scheduler, .visualizer = visualizer},
            .activation = activation,
            .loginItem = loginItem,
            .log = log,
            .painter = painter,
            .relaunch = std::move(relaunch)};
    }
};

} // namespace kestrel::test
