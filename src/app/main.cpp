// Kestrel: shows the keys you press as keycaps in a click-through overlay.
// This file only reads the command line, finds or becomes the one running Kestrel, builds
// the services and the application, and runs the main loop.

#include "app/AppInfo.h"
#include "app/CommandLine.h"
#include "app/InputBackend.h"
#include "app/InputMonitoringPermission.h"
#include "app/ui/AppDelegate.h"
#include "app/ui/TrayItem.h"
#include "input/PasswordGuard.h"
#include "overlay/KeyLabels.h"
#include "overlay/ui/OverlayWindow.h"
#include "platform/HelpPagePermissionService.h"
#include "platform/evdev/EvdevDevices.h"
#include "platform/evdev/EvdevEventTapService.h"
#include "platform/evdev/InputReaderProcess.h"
#include "platform/evdev/KeyboardConfiguration.h"
#include "platform/evdev/ReaderPermissionService.h"
#include "platform/linux/DesktopSettings.h"
#include "platform/linux/Ed25519Verifier.h"
#include "platform/linux/InstanceSocket.h"
#include "platform/linux/JsonDefaultsStore.h"
#include "platform/linux/Syslog.h"
#include "platform/linux/XdgAutostart.h"
#include "platform/linux/XdgDirectories.h"
#include "platform/qt/AtspiPasswordFocus.h"
#include "platform/qt/DesktopLayoutWatch.h"
#include "platform/qt/LazyUpdateNetwork.h"
#include "platform/qt/LogindSessionLock.h"
#include "platform/qt/PortalHotKeyService.h"
#include "platform/qt/QtPackageInstaller.h"
#include "platform/qt/QtScheduler.h"
#include "platform/qt/QtScreenService.h"
#include "platform/qt/QtWorkspace.h"
#include "platform/qt/QuitOnSignal.h"
#include "platform/wayland/CompositorKeymap.h"
#include "platform/wayland/LayerShellSurface.h"
#include "platform/wayland/LayerShellWindow.h"
#include "platform/wayland/SoftwareOnly.h"
#include "platform/x11/X11Compositor.h"
#include "platform/x11/X11Display.h"
#include "platform/x11/X11DisplayLoss.h"
#include "platform/x11/X11EventTapService.h"
#include "platform/x11/X11HotKeyService.h"
#include "settings/Preferences.h"

#include <QApplication>
#include <QProcess>
#include <QSocketNotifier>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

void complain(const std::string& message)
{
    std::fprintf(stderr, "kestrel: %s\n", message.c_str());
}

// Where keys come from, and how that source is set up.
struct InputSettings {
    kestrel::InputBackend backend = kestrel::InputBackend::x11;
    kestrel::evdev::EvdevEventTapService::Options evdev;
};

// Why Kestrel cannot read keys from its input source, in words; empty when it can.
std::string whyCannotListen(const InputSettings& input)
{
    if (input.backend == kestrel::InputBackend::x11)
        return kestrel::x11::X11EventTapService::whyCannotListen();
    if (!input.evdev.seat.streams.empty())
        return {};
    switch (kestrel::evdev::inputAccess(input.evdev.seat.directory)) {
    case kestrel::evdev::InputAccess::granted:
        return {};
    case kestrel::evdev::InputAccess::denied:
        return "this user may not read the keyboards in " + input.evdev.seat.directory;
    case kestrel::evdev::InputAccess::noDevices:
        break;
    }
    return "there is no keyboard in " + input.evdev.seat.directory;
}

} // namespace

int main(int argc, char** argv)
{
    using kestrel::LaunchRequest;
    const std::vector<std::string> arguments(argv, argv + argc); // before Qt takes its options
    const auto line = kestrel::CommandLine::parse({arguments.begin() + 1, arguments.end()});
    if (line.showHelp) {
        std::fputs(kestrel::CommandLine::helpText("kestrel").c_str(), stdout);
        return 0;
    }
    // Where keys come from: on a Wayland desktop the X server (XWayland) sees no key typed
    // into a Wayland window, so Kestrel reads the kernel's input devices. Where windows go: a
    // compositor with layer surfaces gets a native client, others (GNOME) an X client of
    // XWayland.
    const kestrel::InputBackendChoice inputChoice = kestrel::chooseInputBackend(&std::getenv);
    const kestrel::DisplayBackend displayBackend =
        kestrel::chooseDisplayBackend(&std::getenv, [] { return kestrel::wayland::compositorHasLayerShell(); });
    if (line.showVersion) {
        std::printf("%s %s\n%s", kestrel::AppInfo::current().name.c_str(),
                    kestrel::AppInfo::current().versionText.c_str(),
                    kestrel::describe(inputChoice.backend, displayBackend).c_str());
        return 0;
    }
    if (!line.error.empty()) {
        complain(line.error + ". Try kestrel --help.");
        return 2;
    }
    if (!inputChoice.problem.empty())
        complain(inputChoice.problem + "; choosing by the session instead.");
    InputSettings input{.backend = inputChoice.backend};
    if (const char* stream = std::getenv("KESTREL_EVDEV_STREAM"); stream && *stream)
        input.evdev.seat.streams.emplace_back(stream);
    input.evdev.seat.layout = kestrel::evdev::systemKeyboardNames();

    const bool onWayland = displayBackend == kestrel::DisplayBackend::waylandLayerShell;
    if (onWayland) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "wayland");
        kestrel::wayland::drawWithoutOpenGL();
    } else {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "xcb");
        // A keycap-sized repaint is cheaper sent over the socket than through shared memory,
        // whose completion Qt waits for with a round trip and a thread hand-off per frame.
        if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
            qputenv("QT_XCB_NO_MITSHM", "1");
    }
    const char* xDisplay = std::getenv("DISPLAY");
    if (!onWayland && (!xDisplay || !*xDisplay)) {
        complain("no X display to show keys on: DISPLAY is not set.");
        return 1;
    }
    // The display Kestrel runs on: one Kestrel each.
    const std::string display = onWayland ? std::getenv("WAYLAND_DISPLAY") : xDisplay;

    const bool restartedAfterLoss = !onWayland && kestrel::x11::DisplayLossRestart::isRestartAfterLoss();
    if (restartedAfterLoss) {
        using namespace std::chrono_literals;
        if (const std::string why = kestrel::x11::DisplayLossRestart::waitForDisplay(10min); !why.empty()) {
            complain(why + "; giving up.");
            return 1;
        }
        complain("the X display " + display + " is back.");
    }

    // One Kestrel per user and display: a later launch hands its request to the running one.
    // A Kestrel started by its predecessor first lets that one finish quitting.
    {
        using namespace std::chrono_literals;
        if (!kestrel::InstanceSocket::waitForPredecessor(5s))
            complain("the Kestrel that started this one is still running.");
    }
    std::string instanceError;
    const auto instancePath = kestrel::InstanceSocket::pathFor(display, instanceError);
    std::unique_ptr<kestrel::InstanceSocket> instance;
    while (!instancePath.empty() && !instance) {
        using Delivery = kestrel::InstanceSocket::Delivery;
        // Back after a lost display while another Kestrel has started since: that one stays.
        const auto request = restartedAfterLoss ? "" : kestrel::requestWord(line.request);
        const Delivery delivery = kestrel::InstanceSocket::send(instancePath, request, instanceError);
        if (delivery == Delivery::delivered)
            return 0;
        if (delivery == Delivery::failed) {
            complain(instanceError);
            return 1;
        }
        if (line.request == LaunchRequest::quit) {
            complain("Kestrel is not running.");
            return 1;
        }
        instance = kestrel::InstanceSocket::listen(instancePath, instanceError);
        if (!instance && !instanceError.empty())
            break; // run anyway, just without the door for later launches
    }
    if (!instance)
        complain("cannot make sure only one Kestrel runs: " + instanceError);

    if (!restartedAfterLoss) {
        // Without a display there is nothing to run on.
        std::string why;
        if (!onWayland) {
            const auto tried = kestrel::x11::connectDisplay(display, &why);
            if (!tried) {
                complain(why + ".");
                return 1;
            }
            // Only a test: Qt opens the connection Kestrel runs on.
            xcb_disconnect(tried->connection);
        }
    }
    // A file size limit must fail a preferences write, not end Kestrel.
    std::signal(SIGXFSZ, SIG_IGN);

    std::optional<kestrel::AtspiPasswordFocus::MainLoopChoice> mainLoop(std::in_place);
    QApplication application(argc, argv);
    mainLoop.reset();
    QApplication::setApplicationName(QString::fromStdString(kestrel::AppInfo::current().name));
    QApplication::setQuitOnLastWindowClosed(false);
    std::optional<kestrel::x11::DisplayLossRestart> restartAfterLoss;
    if (!onWayland)
        restartAfterLoss.emplace(arguments);
    const kestrel::QuitOnSignal quitOnSignal(&kestrel::x11::DisplayLossRestart::disarmFromSignalHandler);

    const auto reportProblem = [](const std::string& problem) {
        if (!problem.empty())
            complain(problem);
    };
    // Every keystroke reads a dozen preferences: the keystrokes of a quarter of a second share
    // one look at the file. Kestrel's own changes apply at once; the file edited by hand
    // applies within that quarter.
    constexpr std::chrono::milliseconds preferencesRecheck{250};
    kestrel::JsonDefaultsStore defaults(kestrel::JsonDefaultsStore::defaultPath(), "preferences", preferencesRecheck);
    defaults.problem().subscribe(reportProblem);
    const auto stateHome = kestrel::XdgDirectories::stateHome();
    kestrel::JsonDefaultsStore state(stateHome.empty() ? stateHome : stateHome / "kestrel" / "state.json", "state");
    state.problem().subscribe(reportProblem);
    // A display without the input Kestrel needs still gets the tray and the settings, which say
    // what is missing; nothing is said when the reader chosen earlier is about to be asked for.
    if (const std::string why = whyCannotListen(input);
        !why.empty() && !restartedAfterLoss &&
        !(input.backend == kestrel::InputBackend::evdev &&
          state.boolForKey(kestrel::InputMonitoringPermission::readerChosenKey)))
        complain(why + ". Kestrel cannot show keys here; its settings say what is missing.");
    kestrel::QtScheduler scheduler;
    std::unique_ptr<kestrel::EventTapService> tapSource;
    kestrel::evdev::EvdevEventTapService* deviceTaps = nullptr;
    // The kernel's devices also carry what is typed into the lock screen: withheld while the
    // session is locked.
    std::unique_ptr<kestrel::LogindSessionLock> sessionLock;
    // The desktop's own layout switches, where it tells them.
    std::unique_ptr<kestrel::DesktopLayoutWatch> layoutWatch;
    std::unique_ptr<kestrel::wayland::CompositorKeymap> compositorKeymap;
    // What the settings promise in this session.
    kestrel::SessionFacts session;
    const bool waylandSession = kestrel::isWaylandSession(&std::getenv);
    session.grabsHotKey = !waylandSession;
    if (input.backend == kestrel::InputBackend::evdev) {
        sessionLock = std::make_unique<kestrel::LogindSessionLock>();
        session.promptGuard = kestrel::PromptGuard::lockedSession;
        if (!sessionLock->problem().empty()) {
            complain(sessionLock->problem() + ", so keys typed into the lock screen are shown.");
            session.promptGuard = kestrel::PromptGuard::none;
        }
        input.evdev.isTypingWithheld = [lock = sessionLock.get()] { return lock->withholdsTyping(); };
        auto evdevTaps = std::make_unique<kestrel::evdev::EvdevEventTapService>(input.evdev);
        layoutWatch = kestrel::DesktopLayoutWatch::forThisSession(
            [taps = evdevTaps.get()](std::uint32_t index) { taps->setActiveLayout(index); },
            [taps = evdevTaps.get(),
             model = input.evdev.seat.layout.model](const kestrel::GnomeInputSources::Keymap& layouts) {
                taps->setLayouts(
                    {.model = model, .layout = layouts.layout, .variant = layouts.variant, .options = layouts.options});
            });
        // A native client gets the compositor's keymap: the layouts as the desktop has them.
        if (onWayland)
            compositorKeymap = kestrel::wayland::CompositorKeymap::watch(
                [taps = evdevTaps.get()](const std::string& keymap) { taps->setKeymap(keymap); });
        // What was typed while withheld is taken before withholding ends.
        sessionLock->beforeRelease = [taps = evdevTaps.get()] { taps->deliverPending(); };
        deviceTaps = evdevTaps.get();
        tapSource = std::move(evdevTaps);
    } else {
        tapSource = std::make_unique<kestrel::x11::X11EventTapService>();
    }
    kestrel::EventTapService& taps = *tapSource;
    // Keys typed into password fields stay off the screen wherever the accessibility bus
    // says where the focus is.
    kestrel::AtspiPasswordFocus passwordFocus;
    kestrel::PasswordGuard guardedTaps(taps, passwordFocus, scheduler);
    // Said once, whenever it first turns out (at start, or when the bus goes).
    bool saidWhyPasswordFieldsShow = false;
    const auto sayWhyPasswordFieldsShow = [&](kestrel::PasswordFocusService::Availability now) {
        if (now != kestrel::PasswordFocusService::Availability::unavailable ||
            std::exchange(saidWhyPasswordFieldsShow, true))
            return;
        complain(passwordFocus.problem() +
                 ", so password fields cannot be detected and keys typed into them are shown; prompts that take "
                 "the whole keyboard stay hidden.");
    };
    passwordFocus.availability.subscribe(sayWhyPasswordFieldsShow);
    sayWhyPasswordFieldsShow(passwordFocus.availability.get());
    // The hot key: grabbed on X11; on Wayland, where nothing may grab a key, the portal's
    // global shortcuts where the desktop offers them (KDE), else a shortcut of the desktop's
    // own that runs kestrel --toggle.
    std::unique_ptr<kestrel::HotKeyService> hotKeySource;
    if (waylandSession)
        hotKeySource = kestrel::PortalHotKeyService::create();
    if (hotKeySource)
        session.grabsHotKey = true;
    else
        hotKeySource = std::make_unique<kestrel::x11::X11HotKeyService>();
    kestrel::HotKeyService& hotKeys = *hotKeySource;
    kestrel::QtWorkspace workspace;
    std::string helpPage = kestrel::QtWorkspace::helpPageURL("input-access.html");
    if (!helpPage.empty() && input.backend == kestrel::InputBackend::evdev)
        helpPage += "#wayland";
    const auto canListen = [&input] { return whyCannotListen(input).empty(); };
    // On Wayland the system's authentication dialog allows a privileged reader of the devices;
    // elsewhere the help page says what is missing.
    std::unique_ptr<kestrel::PermissionService> permissionService;
    kestrel::evdev::ReaderPermissionService* readerPermission = nullptr;
    if (deviceTaps) {
        auto reader =
            std::make_unique<kestrel::evdev::ReaderPermissionService>(kestrel::evdev::ReaderPermissionService::Settings{
                .workspace = workspace,
                .helpPageURL = helpPage,
                .canListen = canListen,
                .readerCommand = kestrel::evdev::InputReaderProcess::throughPkexec(
                    kestrel::evdev::InputReaderProcess::locate(QCoreApplication::applicationDirPath().toStdString())),
                .taps = *deviceTaps,
                .state = state,
                .say = complain});
        readerPermission = reader.get();
        permissionService = std::move(reader);
    } else {
        permissionService = std::make_unique<kestrel::HelpPagePermissionService>(workspace, helpPage, canListen);
    }
    kestrel::PermissionService& permission = *permissionService;
    kestrel::QtScreenService screens;
    // The X server composes the overlay from the keycap pictures it keeps; KESTREL_OVERLAY=qt
    // has Qt paint it instead, to compare the two.
    const bool composeOnServer = QGuiApplication::platformName() == QStringLiteral("xcb") &&
                                 qEnvironmentVariable("KESTREL_OVERLAY") != QStringLiteral("qt");
    kestrel::OverlayWindowFactory panels(
        scheduler,
        {.reduceMotion = kestrel::DesktopSettings::reduceMotion(),
         .composeOnServer = composeOnServer,
         .layerShell = onWayland,
         .followsFocusedOutput = [&defaults] { return kestrel::Preferences::overlayDisplay(defaults).empty(); },
         .isComposited = [onWayland] { return onWayland || kestrel::x11::isCompositingManagerRunning(); },
         .input = {.waitForFrames = [&taps](bool wait) { taps.waitForFrames(wait); },
                   .takeInput = [&taps] { taps.deliverPending(); }}});

    const auto cacheHome = kestrel::XdgDirectories::cacheHome();
    kestrel::LazyUpdateNetwork updateNetwork(cacheHome.empty() ? cacheHome : cacheHome / "kestrel" / "updates");
    kestrel::Ed25519Verifier packageVerifier(KESTREL_UPDATE_PUBLIC_KEY);
    kestrel::QtPackageInstaller packageInstaller(workspace);
    kestrel::XdgAutostart loginItem = kestrel::XdgAutostart::forThisProgram(kestrel::AppInfo::current().name);
    kestrel::Syslog log;
    // The build's feed, or another for testing an update.
    const char* feedOverride = std::getenv("KESTREL_UPDATE_FEED");
    const std::string updateFeed = feedOverride ? feedOverride : KESTREL_UPDATE_FEED_URL;

    std::unique_ptr<QSocketNotifier> knocks;
    // A grant that only a new process sees: this one stops answering later launches, starts
    // its successor and quits; the successor waits for it to be gone.
    const auto relaunch = [&] {
        knocks.reset();
        instance.reset();
        QProcess successor;
        successor.setProgram(QCoreApplication::applicationFilePath());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kestrel::InstanceSocket::predecessorVariable),
                           QString::number(QCoreApplication::applicationPid()));
        successor.setProcessEnvironment(environment);
        if (!successor.startDetached())
            complain("cannot start Kestrel again: " + successor.errorString().toStdString());
        QCoreApplication::exit(0);
    };
    // A native Wayland client opens the tray's panel at the click as a layer surface of its own.
    std::function<void(QWidget&)> hostPanel;
    if (onWayland) {
        hostPanel = [](QWidget& panel) {
            if (std::string why; !kestrel::wayland::LayerShellWindow::host(panel, &why))
                complain("the panel opens as a window: " + why + ".");
        };
    }
    kestrel::AppDelegate delegate(
        {.visualizer = {guardedTaps, hotKeys, permission, defaults, scheduler, screens, panels},
         .permission = permission,
         .state = state,
         .workspace = workspace,
         .updateNetwork = updateNetwork,
         .packageVerifier = packageVerifier,
         .packageInstaller = packageInstaller,
         .loginItem = loginItem,
         .passwordFocus = passwordFocus,
         .log = log,
         .keycapPainter = panels.painter(),
         // Not quit(): that closes every window first, and onboarding would take its window
         // closed by Quit as done.
         .quit = [] { QCoreApplication::exit(0); },
         .relaunch = relaunch,
         .session = session,
         .hostPanel = hostPanel},
        updateFeed);
    if (!delegate.trayItem().hasTray())
        complain(std::string("no system tray is available. ") +
                 (session.grabsHotKey
                      ? std::string(kestrel::KeyLabels::hotKeyText(kestrel::KeyLabelStyle::pc)) + " shows keys or stops"
                      : "kestrel --toggle shows keys or stops (bind it to a shortcut of the desktop's)") +
                 "; run kestrel again to open the settings.");

    if (instance) {
        knocks = std::make_unique<QSocketNotifier>(instance->descriptor(), QSocketNotifier::Read);
        QObject::connect(knocks.get(), &QSocketNotifier::activated, [&] {
            if (const auto word = instance->acceptRequest()) {
                if (const auto request = kestrel::requestFromWord(*word))
                    delegate.handle(*request);
            }
        });
    }
    // The reader chosen before is asked for again before anything wants keys.
    if (readerPermission)
        readerPermission->resumeChoice();
    delegate.finishLaunching();
    // This launch's own request: what a later launch would have asked of it.
    if (line.request == LaunchRequest::settings)
        delegate.openSettings();
    else if (line.request == LaunchRequest::toggle && !delegate.visualizer().isRunning)
        delegate.visualizer().toggle();
    return application.exec();
}
