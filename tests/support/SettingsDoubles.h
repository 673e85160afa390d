#pragma once

#include "overlay/ui/KeycapArtwork.h"
#include "overlay/ui/KeycapPainter.h"
#include "settings/ui/SettingsWindow.h"

#include "support/FakePasswordFocus.h"
#include "support/ShellDoubles.h"

namespace kestrel::test {

// What the settings window is built from in its tests: the shell's doubles and the real
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
};

} // namespace kestrel::test
