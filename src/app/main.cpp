// Kestrel: shows the keys you press as keycaps in a click-through overlay.
// This file only builds the services and the visualizer and runs the main loop.

#include "overlay/Visualizer.h"
#include "overlay/ui/OverlayWindow.h"
#include "platform/linux/DesktopSettings.h"
#include "platform/linux/JsonDefaultsStore.h"
#include "platform/qt/QtScheduler.h"
#include "platform/qt/QtScreenService.h"
#include "platform/x11/X11Compositor.h"
#include "platform/x11/X11DisplayLoss.h"
#include "platform/x11/X11EventTapService.h"
#include "platform/x11/X11HotKeyService.h"
#include "platform/x11/X11PermissionService.h"

#include <QApplication>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // Kestrel listens through X11; under Wayland it runs as an X client of XWayland.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // A keycap-sized repaint is cheaper sent over the socket than through shared memory,
    // whose completion Qt waits for with a round trip and a thread hand-off per frame.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        std::fprintf(stderr, "kestrel: no X display to show keys on: DISPLAY is not set.\n");
        return 1;
    }
    if (kestrel::x11::DisplayLossRestart::isRestartAfterLoss()) {
        using namespace std::chrono_literals;
        if (const std::string why = kestrel::x11::DisplayLossRestart::waitForDisplay(10min); !why.empty()) {
            std::fprintf(stderr, "kestrel: %s; giving up.\n", why.c_str());
            return 1;
        }
        std::fprintf(stderr, "kestrel: the X display %s is back.\n", display);
    } else if (const std::string why = kestrel::x11::X11EventTapService::whyCannotListen(); !why.empty()) {
        std::fprintf(stderr, "kestrel: %s.\n", why.c_str());
        return 1;
    }
    // A file size limit must fail a preferences write, not end Kestrel.
    std::signal(SIGXFSZ, SIG_IGN);

    const std::vector<std::string> arguments(argv, argv + argc); // before Qt takes its options
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrel"));
    QApplication::setQuitOnLastWindowClosed(false);
    const kestrel::x11::DisplayLossRestart restartAfterLoss(arguments);

    kestrel::JsonDefaultsStore defaults(kestrel::JsonDefaultsStore::defaultPath());
    defaults.problem().subscribe([](const std::string& problem) {
        if (!problem.empty())
            std::fprintf(stderr, "kestrel: %s\n", problem.c_str());
    });
    kestrel::x11::X11EventTapService taps;
    kestrel::x11::X11HotKeyService hotKeys;
    kestrel::x11::X11PermissionService permission;
    kestrel::QtScheduler scheduler;
    kestrel::QtScreenService screens;
    kestrel::OverlayWindowFactory panels({.reduceMotion = kestrel::DesktopSettings::reduceMotion(),
                                          .isComposited = [] { return kestrel::x11::isCompositingManagerRunning(); }});

    kestrel::Visualizer visualizer({taps, hotKeys, permission, defaults, scheduler, screens, panels});
    return application.exec();
}
