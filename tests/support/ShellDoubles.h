#pragma once

#include "app/AppUpdater.h"
#include "app/WindowActivation.h"
#include "overlay/Visualizer.h"

#include "support/FakeEventTapService.h"
#include "support/FakeHotKeyService.h"
#include "support/FakeOverlay.h"
#include "support/FakeShellServices.h"
#include "support/FakeUpdateServices.h"
#include "support/ManualScheduler.h"
#include "support/MemoryDefaultsStore.h"

namespace kestrel::test {

// A real visualizer, activation service and update service over doubles of the platform:
// what the tray panel and the settings window are built from in their tests.
struct ShellDoubles {
    FakeEventTapService taps;
    FakeHotKeyService hotKeys;
    FakePermissionService permission;
    MemoryDefaultsStore defaults;
    MemoryDefaultsStore state;
    ManualScheduler scheduler;
    FakeScreenService screens;
    FakeOverlayPanelFactory panels;
    Visualizer visualizer{{taps, hotKeys, permission, defaults, scheduler, screens, panels}};
    WindowActivation activation{scheduler};
    FakeUpdateNetwork network;
    FakePackageVerifier verifier;
    FakePackageInstaller installer;
    AppUpdater updater{{.activation = activation,
                        .scheduler = scheduler,
                        .state = state,
                        .wallClock = [] { return std::chrono::system_clock::time_point(); },
                        .network = &network,
                        .verifier = &verifier,
                        .installer = &installer},
                       "https://updates.example.org/appcast.xml",
                       "1.0"};
    FakeLoginItem loginItem;
    RecordingLog log;
    RecordingWorkspace workspace;
};

} // namespace kestrel::test
