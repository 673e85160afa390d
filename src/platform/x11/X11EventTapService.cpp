#include "platform/x11/X11EventTapService.h"

#include "common/ui/Translated.h"
#include "platform/TapRegistry.h"
#include "platform/keys/KeyCodeMap.h"
#include "platform/x11/GrabDetector.h"
#include "platform/x11/RawEventDecoder.h"
#include "platform/x11/X11Display.h"
#include "platform/x11/X11Keyboard.h"
#include "platform/x11/XcbHeaders.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>
#include <QTimer>

#include <vector>

namespace kestrel::x11 {

namespace {

using namespace std::chrono_literals;

// While an ordinary key is believed held, the server is asked this often whether it
// really is, so a release lost to a broken connection or a grab cannot leave a keycap down.
constexpr auto heldKeyCheckInterval = 1s;
constexpr auto reconnectInterval = 3s;

struct Display {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    std::uint8_t inputOpcode = 0;

    ~Display() { xcb_disconnect(connection); }
};

// Opens the display and checks for XInput 2.2; nothing when either is missing, and `error`
// says which.
std::unique_ptr<Display> openDisplay(const std::string& name, UiMessage* error = nullptr)
{
    const auto opened = connectDisplay(name, error);
    if (!opened)
        return nullptr;
    auto display = std::make_unique<Display>();
    display->connection = opened->connection;
    display->root = opened->root;
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(display->connection, &xcb_input_id);
    const XcbPointer<xcb_input_xi_query_version_reply_t> version(
        extension && extension->present
            ? xcb_input_xi_query_version_reply(display->connection,
                                               xcb_input_xi_query_version(display->connection, 2, 2), nullptr)
            : nullptr);
    if (!version || version->major_version < 2 || (version->major_version == 2 && version->minor_version < 2)) {
        if (error)
            *error = KESTREL_TEXT("X11", "the X display lacks XInput 2.2, through which Kestrel sees keys");
        return nullptr;
    }
    display->inputOpcode = extension->major_opcode;
    return display;
}

} // namespace

struct X11EventTapService::Impl {
    // Everything that lives while the display is open.
    struct Session {
        std::unique_ptr<Display> display;
        std::unique_ptr<X11Keyboard> keyboard;
        std::unique_ptr<RawEventDecoder> decoder;
        std::unique_ptr<GrabDetector> grabs;
        std::unique_ptr<QSocketNotifier> notifier;
        QMetaObject::Connection beforeSleep;

        ~Session() { QObject::disconnect(beforeSleep); }
    };

    explicit Impl(std::string name) : displayName(std::move(name))
    {
        heldKeyCheck.setInterval(heldKeyCheckInterval);
        QObject::connect(&heldKeyCheck, &QTimer::timeout, [this] { checkHeldKeys(); });
        reconnect.setInterval(reconnectInterval);
        QObject::connect(&reconnect, &QTimer::timeout, [this] {
            if (open())
                reconnect.stop();
        });
    }

    bool open();
    void close();
    // Delivers the events waiting for Kestrel; with `readSocket`, also those not yet read.
    void drain(bool readSocket);
    bool isTypedIntoGrab(xcb_timestamp_t time, xcb_keycode_t keycode);
    void readPointerMapping();
    void checkHeldKeys();
    void connectionLost();
    std::string displayName;
    TapRegistry taps;
    std::unique_ptr<Session> session;
    int framesWaitedFor = 0; // how many frame clocks read the input themselves
    QTimer heldKeyCheck;
    QTimer reconnect;
};

bool X11EventTapService::Impl::open()
{
    if (session)
        return true;
    auto display = openDisplay(displayName);
    if (!display)
        return false;
    auto keyboard = X11Keyboard::create(display->connection);
    if (!keyboard)
        return false;

    struct {
        xcb_input_event_mask_t head;
        std::uint32_t mask;
    } selection{{XCB_INPUT_DEVICE_ALL_MASTER, 1},
                XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_KEY_RELEASE |
                    XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_RELEASE};
    // Checked, so the selection is in force once the tap counts as created.
    const XcbPointer<xcb_generic_error_t> refused(
        xcb_request_check(display->connection,
                          xcb_input_xi_select_events_checked(display->connection, display->root, 1, &selection.head)));
    if (refused)
        return false;

    session = std::make_unique<Session>();
    session->grabs = GrabDetector::create(displayName);
    session->notifier =
        std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(display->connection), QSocketNotifier::Read);
    QObject::connect(session->notifier.get(), &QSocketNotifier::activated, [this] { drain(true); });
    session->notifier->setEnabled(framesWaitedFor == 0);
    // Round trips (keymap, held-key checks) read events into xcb's queue without waking the
    // notifier: look at the queue each time the loop is about to sleep.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        session->beforeSleep = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [this] {
            if (session)
                drain(false);
        });
    session->keyboard = std::move(keyboard);
    session->decoder = std::make_unique<RawEventDecoder>(*session->keyboard, display->inputOpcode);
    session->decoder->isTypedIntoGrab = [this](xcb_timestamp_t time, xcb_keycode_t keycode) {
        return isTypedIntoGrab(time, keycode);
    };
    session->decoder->onPointerMappingChanged = [this] { readPointerMapping(); };
    session->display = std::move(display);
    readPointerMapping();
    // Modifiers already down (the hot key that switched Kestrel on, say) count as held.
    xcb_connection_t* connection = session->display->connection;
    if (const XcbPointer<xcb_query_keymap_reply_t> keys(
            xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr));
        keys) {
        for (int keycode = keys::xKeycodeOffset; keycode < 256; ++keycode) {
            if ((keys->keys[keycode / 8] & (1u << (keycode % 8))) == 0)
                continue;
            const keys::KeyRole role = session->keyboard->role(static_cast<xcb_keycode_t>(keycode));
            if (role != keys::KeyRole::ordinary && role != keys::KeyRole::capsLock)
                session->decoder->adopt(keys::evdevCode(static_cast<std::uint32_t>(keycode)), role);
        }
    }
    session->decoder->reconcileModifiers();
    return true;
}

void X11EventTapService::Impl::readPointerMapping()
{
    xcb_connection_t* connection = session->display->connection;
    const XcbPointer<xcb_get_pointer_mapping_reply_t> mapping(
        xcb_get_pointer_mapping_reply(connection, xcb_get_pointer_mapping(connection), nullptr));
    std::vector<std::uint8_t> buttons;
    if (mapping) {
        const std::uint8_t* map = xcb_get_pointer_mapping_map(mapping.get());
        buttons.assign(map, map + xcb_get_pointer_mapping_map_length(mapping.get()));
    }
    session->decoder->setPointerMapping(std::move(buttons));
}

void X11EventTapService::Impl::close()
{
    session.reset();
    heldKeyCheck.stop();
    reconnect.stop();
}

void X11EventTapService::Impl::drain(bool readSocket)
{
    if (!session)
        return;
    const Session* current = session.get();
    while (xcb_generic_event_t* raw = nextEvent(current->display->connection, readSocket)) {
        const XcbPointer<xcb_generic_event_t> event(raw);
        taps.deliver(current->decoder->decode(raw, RawEventDecoder::eventSize(raw)));
        if (session.get() != current)
            return; // a callback closed the display (and maybe opened another)
        if (!current->decoder->isHoldingOrdinaryKeys())
            heldKeyCheck.stop();
        else if (!heldKeyCheck.isActive())
            heldKeyCheck.start();
    }
    if (xcb_connection_has_error(current->display->connection))
        connectionLost();
}

bool X11EventTapService::Impl::isTypedIntoGrab(xcb_timestamp_t time, xcb_keycode_t keycode)
{
    // Without a working detector nothing can be told apart, and a password must never show:
    // such presses are withheld until a new detector answers.
    if (!session->grabs || session->grabs->isBroken())
        session->grabs = GrabDetector::create(displayName);
    return !session->grabs || session->grabs->isWithheld(time, keycode);
}

void X11EventTapService::Impl::checkHeldKeys()
{
    if (!session || !session->decoder->isHoldingOrdinaryKeys()) {
        heldKeyCheck.stop();
        return;
    }
    xcb_connection_t* connection = session->display->connection;
    const XcbPointer<xcb_query_keymap_reply_t> keymap(
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr));
    if (!keymap)
        return;
    const auto isDown = [&](std::uint32_t evdev) {
        const std::uint32_t keycode = keys::xKeycode(evdev);
        return keycode < 256 && (keymap->keys[keycode / 8] & (1u << (keycode % 8))) != 0;
    };
    taps.deliver(session->decoder->reconcileKeys(isDown));
    if (session && !session->decoder->isHoldingOrdinaryKeys())
        heldKeyCheck.stop();
}

void X11EventTapService::Impl::connectionLost()
{
    // Let go of everything held (keys, modifiers, buttons), then tell the taps and try again later.
    const auto released = session->decoder->releaseAll();
    close();
    taps.deliver(released);
    const PlatformEvent disabled{.type = EventType::tapDisabledByTimeout};
    taps.deliver(disabled);
    if (!taps.empty())
        reconnect.start();
}

X11EventTapService::X11EventTapService(std::string displayName) : d(std::make_unique<Impl>(std::move(displayName))) {}

X11EventTapService::~X11EventTapService() = default;

std::optional<EventTapService::TapId> X11EventTapService::createTap(std::uint64_t mask, Callback callback)
{
    if (!d->open())
        return std::nullopt;
    return d->taps.add(mask, std::move(callback));
}

void X11EventTapService::enable(TapId tap, bool enabled)
{
    d->taps.enable(tap, enabled);
}

void X11EventTapService::remove(TapId tap)
{
    d->taps.remove(tap);
    if (d->taps.empty())
        d->close();
}

void X11EventTapService::waitForFrames(bool wait)
{
    d->framesWaitedFor = std::max(0, d->framesWaitedFor + (wait ? 1 : -1));
    if (d->session)
        d->session->notifier->setEnabled(d->framesWaitedFor == 0);
}

void X11EventTapService::deliverPending()
{
    d->drain(true);
}

UiMessage X11EventTapService::whyCannotListen(const std::string& displayName)
{
    UiMessage error;
    return openDisplay(displayName, &error) ? UiMessage{} : error;
}

} // namespace kestrel::x11
