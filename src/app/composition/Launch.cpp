#include "app/composition/Launch.h"

#include "app/AppInfo.h"
#include "app/ui/Translations.h"
#include "platform/wayland/CompositorEnd.h"
#include "platform/wayland/LayerShellSurface.h"
#include "platform/wayland/SoftwareOnly.h"
#include "platform/x11/X11Display.h"
#include "platform/x11/X11DisplayLoss.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace kestrel {

namespace {

// Qt's platform plugin for the display, unless one is asked for.
void chooseQtPlatform(bool onWayland)
{
    if (onWayland) {
        ::setenv("QT_QPA_PLATFORM", "wayland", 0);
        wayland::drawWithoutOpenGL();
        wayland::endWithTheCompositor();
        return;
    }
    ::setenv("QT_QPA_PLATFORM", "xcb", 0);
    // A keycap-sized repaint is cheaper sent over the socket than through shared memory,
    // whose completion Qt waits for with a round trip and a thread hand-off per frame.
    ::setenv("QT_XCB_NO_MITSHM", "1", 0);
}

} // namespace

void complain(const std::string& message)
{
    std::fprintf(stderr, "kestrel: %s\n", message.c_str());
}

void complain(const UiMessage& message)
{
    complain(Translations::beforeTheApplication(message).toStdString());
}

std::variant<int, Launch> Launch::prepare(std::vector<std::string> arguments)
{
    using namespace std::chrono_literals;
    Launch launch;
    launch.line = CommandLine::parse({arguments.begin() + 1, arguments.end()});
    launch.arguments = std::move(arguments);
    const CommandLine& line = launch.line;
    if (line.showHelp) {
        const auto translate = [](const UiMessage& text) {
            return Translations::beforeTheApplication(text).toStdString();
        };
        std::fputs(CommandLine::helpText(CommandLine::help("kestrel"), translate).c_str(), stdout);
        return 0;
    }
    // Where keys come from: on a Wayland desktop the X server (XWayland) sees no key typed
    // into a Wayland window, so Kestrel reads the kernel's input devices. Where windows go: a
    // compositor with layer surfaces gets a native client, others (GNOME) an X client of
    // XWayland.
    const InputBackendChoice inputChoice = chooseInputBackend(&std::getenv);
    launch.input = inputChoice.backend;
    launch.display = chooseDisplayBackend(&std::getenv, [] { return wayland::compositorHasLayerShell(); });
    if (line.showVersion) {
        std::printf("%s %s\n%s", AppInfo::current().name.c_str(), AppInfo::current().version.english().c_str(),
                    describe(launch.input, launch.display).c_str());
        return 0;
    }
    if (!line.error.isEmpty()) {
        complain(line.error);
        return 2;
    }
    if (!inputChoice.problem.isEmpty())
        complain(inputChoice.problem);

    const bool onWayland = launch.onWayland();
    chooseQtPlatform(onWayland);
    const char* display = std::getenv(onWayland ? "WAYLAND_DISPLAY" : "DISPLAY");
    if (!onWayland && (!display || !*display)) {
        complain(KESTREL_TEXT("Launch", "no X display to show keys on: DISPLAY is not set."));
        return 1;
    }
    launch.displayName = display ? display : "";

    launch.restartedAfterLoss = !onWayland && x11::DisplayLossRestart::isRestartAfterLoss();
    if (launch.restartedAfterLoss) {
        if (const UiMessage why = x11::DisplayLossRestart::waitForDisplay(10min); !why.isEmpty()) {
            complain({KESTREL_TEXT("Launch", "%1; giving up."), {why}});
            return 1;
        }
        complain({KESTREL_TEXT("Launch", "the X display %1 is back."), {launch.displayName}});
    }

    // One Kestrel per user and display: a later launch hands its request to the running one.
    // A Kestrel started by its predecessor first lets that one finish quitting; one back after
    // a lost display asks nothing of another that has started since, which stays.
    if (!InstanceSocket::waitForPredecessor(5s))
        complain(KESTREL_TEXT("Launch", "the Kestrel that started this one is still running."));
    UiMessage instanceError;
    if (const auto path = InstanceSocket::pathFor(launch.displayName, instanceError); !path.empty()) {
        InstanceSocket::Claim claim = InstanceSocket::claim(
            path, launch.restartedAfterLoss ? "" : requestWord(line.request), line.request != LaunchRequest::quit);
        switch (claim.outcome) {
        case InstanceSocket::Claim::Outcome::handedOver:
            return 0;
        case InstanceSocket::Claim::Outcome::failed:
            complain(claim.error);
            return 1;
        case InstanceSocket::Claim::Outcome::notRunning:
            complain(KESTREL_TEXT("Launch", "Kestrel is not running."));
            return 1;
        case InstanceSocket::Claim::Outcome::running:
            launch.instance = std::move(claim.socket);
            instanceError = claim.error;
            break;
        }
    }
    if (!launch.instance)
        complain({KESTREL_TEXT("Launch", "cannot make sure only one Kestrel runs: %1"), {instanceError}});

    // Without a display there is nothing to run on. The connection is only a test: Qt opens
    // the one Kestrel runs on.
    if (!onWayland && !launch.restartedAfterLoss) {
        UiMessage why;
        if (!x11::canConnect(launch.displayName, &why)) {
            complain({KESTREL_TEXT("Launch", "%1."), {why}});
            return 1;
        }
    }
    // A file size limit must fail a preferences write, not end Kestrel.
    std::signal(SIGXFSZ, SIG_IGN);
    return launch;
}

} // namespace kestrel
