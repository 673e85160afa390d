#include "app/composition/Composition.h"

#include "app/AppInfo.h"
#include "app/InputMonitoringPermission.h"
#include "app/ui/AppDelegate.h"
#include "app/ui/TrayItem.h"
#include "common/ui/Translated.h"
#include "input/PasswordGuard.h"
#include "overlay/KeyLabels.h"
#include "overlay/PanelPlacement.h"
#include "overlay/ui/KeycapPainter.h"
#include "overlay/ui/OverlayWindow.h"
#include "platform/atspi/AtspiPasswordFocus.h"
#include "platform/desktop/DesktopLayoutWatch.h"
#include "platform/desktop/DesktopSettings.h"
#include "platform/desktop/LogindSessionLock.h"
#include "platform/desktop/PortalHotKeyService.h"
#include "platform/evdev/EvdevDevices.h"
#include "platform/evdev/EvdevEventTapService.h"
#include "platform/evdev/InputReaderProcess.h"
#include "platform/evdev/KeyboardConfiguration.h"
#include "platform/evdev/ReaderPermissionService.h"
#include "platform/linux/FreedMemory.h"
#include "platform/linux/HelpPagePermissionService.h"
#include "platform/linux/JsonDefaultsStore.h"
#include "platform/linux/Syslog.h"
#include "platform/linux/XdgAutostart.h"
#include "platform/linux/XdgDirectories.h"
#include "platform/qt/QtScheduler.h"
#include "platform/qt/QtScreenService.h"
#include "platform/qt/QtWorkspace.h"
#include "platform/qt/QuitOnSignal.h"
#include "platform/qt/SessionBus.h"
#include "platform/tray/StatusNotifierItem.h"
#include "platform/updates/Ed25519Verifier.h"
#include "platform/updates/LazyUpdateNetwork.h"
#include "platform/updates/QtPackageInstaller.h"
#include "platform/wayland/CompositorKeymap.h"
#include "platform/wayland/LayerShellSurface.h"
#include "platform/wayland/LayerShellWindow.h"
#include "platform/x11/X11Compositor.h"
#include "platform/x11/X11DisplayLoss.h"
#include "platform/x11/X11EventTapService.h"
#include "platform/x11/X11HotKeyService.h"
#include "platform/x11/XRenderSurface.h"
#include "settings/Preferences.h"

#include <QApplication>
#include <QProcess>
#include <QSocketNotifier>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <utility>

namespace kestrel {

namespace {

// Where keys come from, and how that source is set up.
struct InputSettings {
    InputBackend backend = InputBackend::x11;
    evdev::EvdevEventTapService::Options evdev;
};

// Why Kestrel cannot read keys from its input source, in words; empty when it can.
UiMessage whyCannotListen(const InputSettings& input)
{
    if (input.backend == InputBackend::x11)
        return x11::X11EventTapService::whyCannotListen();
    if (!input.evdev.seat.streams.empty())
        return {};
    switch (evdev::inputAccess(input.evdev.seat.directory)) {
    case evdev::InputAccess::granted:
        return {};
    case evdev::InputAccess::denied:
        return {KESTREL_TEXT("Composition", "this user may not read the keyboards in %1"),
                {input.evdev.seat.directory}};
    case evdev::InputAccess::noDevices:
        break;
    }
    return {KESTREL_TEXT("Composition", "there is no keyboard in %1"), {input.evdev.seat.directory}};
}

void reportProblem(const UiMessage& problem)
{
    if (!problem.isEmpty())
        complain(problem);
}

std::filesystem::path inKestrelsFolder(const std::filesystem::path& home, const char* name)
{
    return home.empty() ? home : home / "kestrel" / name;
}

// The overlay's surface: a layer surface of the Wayland compositor, or a window the X server
// composes from the keycap pictures it keeps; nothing (Qt paints it) where neither can be
// made, or where KESTREL_OVERLAY=qt asks for Qt, to compare the two.
std::function<std::unique_ptr<OverlaySurface>(KeycapPainter&)> overlaySurfaces(bool onWayland,
                                                                               std::function<bool()> onFocusedOutput)
{
    const int width = static_cast<int>(PanelPlacement::panelSize.width);
    const int height = static_cast<int>(PanelPlacement::panelSize.height);
    if (onWayland) {
        return [=](KeycapPainter& painter) -> std::unique_ptr<OverlaySurface> {
            std::string why;
            auto surface = wayland::LayerShellSurface::create(
                [&painter](QPainter& target, const OverlayLayer& layer, const OverlayFrame& frame) {
                    painter.paintLayer(target, layer, frame);
                },
                onFocusedOutput, &why);
            if (!surface) {
                complain({KESTREL_TEXT("Composition", "%1, so Qt draws the overlay."), {why}});
                return nullptr;
            }
            surface->setPlacement({.width = width, .height = height});
            return surface;
        };
    }
    if (QGuiApplication::platformName() != QStringLiteral("xcb") ||
        qEnvironmentVariable("KESTREL_OVERLAY") == QStringLiteral("qt"))
        return {};
    return [=](KeycapPainter& painter) -> std::unique_ptr<OverlaySurface> {
        // The server gets each picture once, as the painter made it.
        auto pictures = [&painter](const OverlayLayer& layer, const OverlayFrame& frame) {
            const QImage& image =
                painter.picture(*layer.keycap, layer.picture, frame.fontSize, frame.color, frame.pixelRatio);
            return x11::PicturePixels{image.width(), image.height(), static_cast<int>(image.bytesPerLine()),
                                      image.constBits()};
        };
        UiMessage why;
        auto surface = x11::XRenderSurface::create(pictures, &x11::isCompositingManagerRunning, &why);
        if (!surface) {
            complain({KESTREL_TEXT("Composition", "%1, so Qt draws the overlay."), {why}});
            return nullptr;
        }
        surface->setGeometry({0, 0, width, height}, 1);
        // The server keeps what it was given: the painter's own copies would only double it.
        painter.keepOnlyRecentPictures();
        return surface;
    };
}

} // namespace

struct Composition::Parts {
    explicit Parts(Launch from) : launch(std::move(from)) {}

    Launch launch;
    InputSettings input;
    std::optional<x11::DisplayLossRestart> restartAfterLoss;
    std::optional<QuitOnSignal> quitOnSignal;
    std::optional<JsonDefaultsStore> defaults;
    std::optional<JsonDefaultsStore> state;
    QtScheduler scheduler;
    std::unique_ptr<EventTapService> taps;
    evdev::EvdevEventTapService* deviceTaps = nullptr;
    // The kernel's devices also carry what is typed into the lock screen: withheld while the
    // session is locked.
    std::unique_ptr<LogindSessionLock> sessionLock;
    // The desktop's own layout switches, where it tells them.
    std::unique_ptr<DesktopLayoutWatch> layoutWatch;
    std::unique_ptr<wayland::CompositorKeymap> compositorKeymap;
    SessionFacts session;
    // The session bus, kept through a restart of its daemon (nothing without one).
    std::unique_ptr<SessionBus> sessionBus = SessionBus::forThisSession();
    std::optional<AtspiPasswordFocus> passwordFocus;
    std::optional<PasswordGuard> guardedTaps;
    bool saidWhyPasswordFieldsShow = false;
    std::unique_ptr<HotKeyService> hotKeys;
    QtWorkspace workspace;
    std::unique_ptr<PermissionService> permission;
    evdev::ReaderPermissionService* readerPermission = nullptr;
    QtScreenService screens;
    std::optional<OverlayWindowFactory> panels;
    std::optional<LazyUpdateNetwork> updateNetwork;
    std::optional<Ed25519Verifier> packageVerifier;
    std::optional<QtPackageInstaller> packageInstaller;
    std::optional<XdgAutostart> loginItem;
    Syslog log;
    std::unique_ptr<QSocketNotifier> knocks;
    std::optional<AppDelegate> delegate;

    void buildInput();
    void watchPasswordFields();
    void chooseHotKey();
    void choosePermission();
    void buildApplication();
    void returnMemoryWhenLetGo();
    void answerLaterLaunches();
    void relaunch();
};

Composition::Composition(Launch launch) : d(std::make_unique<Parts>(std::move(launch)))
{
    QApplication::setApplicationName(QString::fromStdString(AppInfo::current().name));
    QApplication::setQuitOnLastWindowClosed(false);
    if (!d->launch.onWayland())
        d->restartAfterLoss.emplace(d->launch.arguments);
    d->quitOnSignal.emplace(&x11::DisplayLossRestart::disarmFromSignalHandler);

    // Every keystroke reads a dozen preferences: the keystrokes of a quarter of a second share
    // one look at the file. Kestrel's own changes apply at once; the file edited by hand
    // applies within that quarter.
    constexpr std::chrono::milliseconds preferencesRecheck{250};
    d->defaults.emplace(JsonDefaultsStore::defaultPath(), JsonDefaultsStore::Contents::preferences, preferencesRecheck);
    d->defaults->problem().subscribe(reportProblem);
    d->state.emplace(inKestrelsFolder(XdgDirectories::stateHome(), "state.json"), JsonDefaultsStore::Contents::state);
    d->state->problem().subscribe(reportProblem);

    d->buildInput();
    d->watchPasswordFields();
    d->chooseHotKey();
    d->choosePermission();
    d->buildApplication();
    d->answerLaterLaunches();
}

Composition::~Composition() = default;

void Composition::Parts::buildInput()
{
    input.backend = launch.input;
    if (const char* stream = std::getenv("KESTREL_EVDEV_STREAM"); stream && *stream)
        input.evdev.seat.streams.emplace_back(stream);
    input.evdev.seat.layout = evdev::systemKeyboardNames();
    // A display without the input Kestrel needs still gets the tray and the settings, which say
    // what is missing; nothing is said when the reader chosen earlier is about to be asked for.
    if (const UiMessage why = whyCannotListen(input);
        !why.isEmpty() && !launch.restartedAfterLoss &&
        !(input.backend == InputBackend::evdev && state->boolForKey(InputMonitoringPermission::readerChosenKey)))
        complain({KESTREL_TEXT("Composition", "%1. Kestrel cannot show keys here; its settings say what is missing."),
                  {why}});

    if (input.backend == InputBackend::x11) {
        taps = std::make_unique<x11::X11EventTapService>();
        return;
    }
    sessionLock = std::make_unique<LogindSessionLock>();
    session.promptGuard = PromptGuard::lockedSession;
    if (!sessionLock->problem().empty()) {
        complain({KESTREL_TEXT("Composition", "%1, so keys typed into the lock screen are shown."),
                  {sessionLock->problem()}});
        session.promptGuard = PromptGuard::none;
    }
    input.evdev.isTypingWithheld = [lock = sessionLock.get()] { return lock->withholdsTyping(); };
    auto evdevTaps = std::make_unique<evdev::EvdevEventTapService>(input.evdev);
    layoutWatch = DesktopLayoutWatch::forThisSession(
        [taps = evdevTaps.get()](std::uint32_t index) { taps->setActiveLayout(index); },
        [taps = evdevTaps.get(), model = input.evdev.seat.layout.model](const GnomeInputSources::Keymap& layouts) {
            taps->setLayouts(
                {.model = model, .layout = layouts.layout, .variant = layouts.variant, .options = layouts.options});
        });
    // A native client gets the compositor's keymap: the layouts as the desktop has them.
    if (launch.onWayland())
        compositorKeymap = wayland::CompositorKeymap::watch(
            [taps = evdevTaps.get()](const std::string& keymap) { taps->setKeymap(keymap); });
    // What was typed while withheld is taken before withholding ends.
    sessionLock->beforeRelease = [taps = evdevTaps.get()] { taps->deliverPending(); };
    deviceTaps = evdevTaps.get();
    taps = std::move(evdevTaps);
}

void Composition::Parts::watchPasswordFields()
{
    // Keys typed into password fields stay off the screen wherever the accessibility bus
    // says where the focus is. Why they cannot is said once, whenever it first turns out (at
    // start, or when the bus goes).
    passwordFocus.emplace(sessionBus.get());
    guardedTaps.emplace(*taps, *passwordFocus, scheduler);
    const auto sayWhyPasswordFieldsShow = [this](PasswordFocusService::Availability now) {
        if (now != PasswordFocusService::Availability::unavailable || std::exchange(saidWhyPasswordFieldsShow, true))
            return;
        complain({KESTREL_TEXT("Composition", "%1, so password fields cannot be detected and keys typed into them "
                                              "are shown; prompts that take the whole keyboard stay hidden."),
                  {passwordFocus->problem()}});
    };
    passwordFocus->availability.subscribe(sayWhyPasswordFieldsShow);
    sayWhyPasswordFieldsShow(passwordFocus->availability.get());
}

void Composition::Parts::chooseHotKey()
{
    // Grabbed on X11; on Wayland, where nothing may grab a key, the portal's global shortcuts
    // where the desktop offers them (KDE), else a shortcut of the desktop's own that runs
    // kestrel --toggle.
    const bool waylandSession = isWaylandSession(&std::getenv);
    if (waylandSession)
        hotKeys = PortalHotKeyService::create();
    session.grabsHotKey = !waylandSession || hotKeys;
    if (!hotKeys)
        hotKeys = std::make_unique<x11::X11HotKeyService>();
}

void Composition::Parts::choosePermission()
{
    std::string helpPage = QtWorkspace::helpPageURL("input-access.html", launch.language);
    if (!helpPage.empty() && input.backend == InputBackend::evdev)
        helpPage += "#wayland";
    const auto canListen = [this] { return whyCannotListen(input).isEmpty(); };
    // On Wayland the system's authentication dialog allows a privileged reader of the devices;
    // elsewhere the help page says what is missing.
    if (!deviceTaps) {
        permission = std::make_unique<HelpPagePermissionService>(workspace, helpPage, canListen);
        return;
    }
    auto reader = std::make_unique<evdev::ReaderPermissionService>(evdev::ReaderPermissionService::Settings{
        .workspace = workspace,
        .helpPageURL = helpPage,
        .canListen = canListen,
        .readerCommand = evdev::InputReaderProcess::throughPkexec(
            evdev::InputReaderProcess::locate(QCoreApplication::applicationDirPath().toStdString())),
        .taps = *deviceTaps,
        .state = *state,
        .say = [](const UiMessage& line) { complain(line); }});
    readerPermission = reader.get();
    permission = std::move(reader);
}

void Composition::Parts::buildApplication()
{
    const bool onWayland = launch.onWayland();
    panels.emplace(
        scheduler,
        OverlayWindowOptions{.reduceMotion = DesktopSettings::reduceMotion(),
                             .makeSurface = overlaySurfaces(
                                 onWayland, [this] { return Preferences::overlayDisplay(*defaults).empty(); }),
                             .isComposited = [onWayland] { return onWayland || x11::isCompositingManagerRunning(); },
                             .input = {.waitForFrames = [this](bool wait) { taps->waitForFrames(wait); },
                                       .takeInput = [this] { taps->deliverPending(); }}});
    updateNetwork.emplace(inKestrelsFolder(XdgDirectories::cacheHome(), "updates"));
    packageVerifier.emplace(KESTREL_UPDATE_PUBLIC_KEY);
    packageInstaller.emplace(workspace);
    loginItem.emplace(XdgAutostart::forThisProgram(AppInfo::current().name));
    // The build's feed, or another for testing an update.
    const char* feedOverride = std::getenv("KESTREL_UPDATE_FEED");
    const std::string updateFeed = feedOverride ? feedOverride : KESTREL_UPDATE_FEED_URL;

    // A native Wayland client opens the tray's panel at the click as a layer surface of its own.
    std::function<void(QWidget&)> hostPanel;
    if (onWayland) {
        hostPanel = [](QWidget& panel) {
            if (std::string why; !wayland::LayerShellWindow::host(panel, &why))
                complain({KESTREL_TEXT("Composition", "the panel opens as a window: %1."), {why}});
        };
    }
    const auto makeStatusItem = [this](StatusItemService::Handlers handlers) -> std::unique_ptr<StatusItemService> {
        if (!sessionBus)
            return nullptr;
        const QString name = QString::fromStdString(AppInfo::current().name);
        return std::make_unique<StatusNotifierItem>(*sessionBus, name.toLower(), name, std::move(handlers));
    };
    delegate.emplace(AppDelegate::Services{
                         .visualizer = {*guardedTaps, *hotKeys, *permission, *defaults, scheduler, screens, *panels},
                         .permission = *permission,
                         .state = *state,
                         .workspace = workspace,
                         .updateNetwork = *updateNetwork,
                         .packageVerifier = *packageVerifier,
                         .packageInstaller = *packageInstaller,
                         .loginItem = *loginItem,
                         .passwordFocus = *passwordFocus,
                         .log = log,
                         .keycapPainter = panels->painter(),
                         // Not quit(): that closes every window first, and onboarding would take its window
                         // closed by Quit as done.
                         .quit = [] { QCoreApplication::exit(0); },
                         .relaunch = [this] { relaunch(); },
                         .session = session,
                         .hostPanel = hostPanel,
                         .makeStatusItem = makeStatusItem},
                     updateFeed);
    const std::string hotKey = KeyLabels::hotKeyText(KeyLabelStyle::pc);
    const bool hotKeyTaken = session.grabsHotKey && !delegate->visualizer().hotKeyWorks();
    const bool hotKeyWorks = session.grabsHotKey && !hotKeyTaken;
    if (hotKeyTaken)
        complain({KESTREL_TEXT("Composition", "%1 is held by another program, so it does not show keys or stop; the "
                                              "switch and \"kestrel --toggle\" still do (bind that to another "
                                              "shortcut of the desktop's)."),
                  {hotKey}});
    if (!delegate->trayItem().hasTray())
        complain(hotKeyWorks
                     ? UiMessage{KESTREL_TEXT("Composition", "no system tray is available. %1 shows keys or "
                                                             "stops; run kestrel again to open the settings."),
                                 {hotKey}}
                     : UiMessage{KESTREL_TEXT("Composition", "no system tray is available. kestrel --toggle "
                                                             "shows keys or stops (bind it to a shortcut of the "
                                                             "desktop's); run kestrel again to open the "
                                                             "settings.")});
    returnMemoryWhenLetGo();
}

// A new colour or size lets the last one's keycap pictures go, and a closed window its own,
// in blocks the allocator keeps for itself: they go back to the system once the keycaps of
// the new style have left the screen, or the last window has closed, so that a day of
// restyling and settings does not stay in Kestrel's memory.
void Composition::Parts::returnMemoryWhenLetGo()
{
    const OverlayModel& model = delegate->visualizer().overlay().model();
    const auto restyled = std::make_shared<bool>(false);
    model.fontSize.subscribe([restyled](double) { *restyled = true; });
    model.keyColor.subscribe([restyled](KeyColor) { *restyled = true; });
    model.keycaps.subscribe([restyled](const std::vector<Keycap>& keycaps) {
        if (keycaps.empty() && std::exchange(*restyled, false))
            returnFreedMemory();
    });
    delegate->activation().policy.subscribe([](ActivationPolicy now) {
        if (now == ActivationPolicy::accessory)
            returnFreedMemory();
    });
}

void Composition::Parts::answerLaterLaunches()
{
    if (!launch.instance)
        return;
    knocks = std::make_unique<QSocketNotifier>(launch.instance->descriptor(), QSocketNotifier::Read);
    QObject::connect(knocks.get(), &QSocketNotifier::activated, [this] {
        if (const auto word = launch.instance->acceptRequest()) {
            if (const auto request = requestFromWord(*word))
                delegate->handle(*request);
        }
    });
}

// A grant that only a new process sees: this one stops answering later launches, starts its
// successor and quits; the successor waits for it to be gone.
void Composition::Parts::relaunch()
{
    knocks.reset();
    launch.instance.reset();
    QProcess successor;
    successor.setProgram(QCoreApplication::applicationFilePath());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(InstanceSocket::predecessorVariable),
                       QString::number(QCoreApplication::applicationPid()));
    successor.setProcessEnvironment(environment);
    if (!successor.startDetached())
        complain(
            {KESTREL_TEXT("Composition", "cannot start Kestrel again: %1"), {successor.errorString().toStdString()}});
    QCoreApplication::exit(0);
}

void Composition::start()
{
    // The reader chosen before is asked for again before anything wants keys.
    if (d->readerPermission)
        d->readerPermission->resumeChoice();
    d->delegate->finishLaunching();
    // This launch's own request: what a later launch would have asked of it.
    const LaunchRequest request = d->launch.line.request;
    if (request == LaunchRequest::settings)
        d->delegate->openSettings();
    else if (request == LaunchRequest::toggle && !d->delegate->visualizer().isRunning)
        d->delegate->visualizer().toggle();
}

} // namespace kestrel
