#include "platform/x11/X11EventTapService.h"

#include "platform/x11/GrabDetector.h"
#include "platform/x11/KeyCodeMap.h"
#include "platform/x11/KeyboardTracker.h"
#include "platform/x11/X11Keyboard.h"
#include "platform/x11/XcbHeaders.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>
#include <QTimer>

#include <map>
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

// Opens the display and checks for XInput 2.2; nothing when either is missing.
std::unique_ptr<Display> openDisplay(const std::string& name)
{
    auto display = std::make_unique<Display>();
    int screenNumber = 0;
    display->connection = xcb_connect(name.empty() ? nullptr : name.c_str(), &screenNumber);
    if (xcb_connection_has_error(display->connection))
        return nullptr;
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(display->connection, &xcb_input_id);
    if (!extension || !extension->present)
        return nullptr;
    const XcbPointer<xcb_input_xi_query_version_reply_t> version(xcb_input_xi_query_version_reply(
        display->connection, xcb_input_xi_query_version(display->connection, 2, 2), nullptr));
    if (!version || version->major_version < 2 || (version->major_version == 2 && version->minor_version < 2))
        return nullptr;
    display->inputOpcode = extension->major_opcode;

    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(display->connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    display->root = screens.data->root;
    return display;
}

PlatformEvent mouseEvent(std::uint32_t type, std::uint64_t flags, std::int64_t buttonNumber = 0)
{
    return PlatformEvent{.type = type, .flags = flags, .buttonNumber = buttonNumber};
}

} // namespace

struct X11EventTapService::Impl {
    struct Tap {
        std::uint64_t mask = 0;
        Callback callback;
        bool enabled = false;
    };

    // Everything that lives while the display is open.
    struct Session {
        std::unique_ptr<Display> display;
        std::unique_ptr<X11Keyboard> keyboard;
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
    void drain();
    void handle(const xcb_generic_event_t* event);
    void handleKey(const xcb_input_raw_key_press_event_t* event, bool isPress);
    void handleButton(const xcb_input_raw_button_press_event_t* event, bool isPress);
    bool isTypedIntoGrab(xcb_timestamp_t time, xcb_keycode_t keycode);
    void readPointerMapping();
    void checkHeldKeys();
    void connectionLost();
    void deliver(const PlatformEvent& event);

    std::string displayName;
    std::map<TapId, Tap> taps;
    TapId lastTap = 0;
    std::unique_ptr<Session> session;
    KeyboardTracker tracker;
    std::vector<std::uint8_t> pointerMapping; // physical button n is logical pointerMapping[n - 1]
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
    QObject::connect(session->notifier.get(), &QSocketNotifier::activated, [this] { drain(); });
    // Round trips (keymap, held-key checks) read events into xcb's queue without waking the
    // notifier: look at the queue each time the loop is about to sleep.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        session->beforeSleep = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [this] {
            if (session)
                drain();
        });
    session->keyboard = std::move(keyboard);
    session->display = std::move(display);
    readPointerMapping();
    tracker = KeyboardTracker{};
    // Modifiers already down (the hot key that switched Kestrel on, say) count as held.
    xcb_connection_t* connection = session->display->connection;
    if (const XcbPointer<xcb_query_keymap_reply_t> keys(
            xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr));
        keys) {
        for (int keycode = 8; keycode < 256; ++keycode) {
            if ((keys->keys[keycode / 8] & (1u << (keycode % 8))) == 0)
                continue;
            const KeyRole role = session->keyboard->role(static_cast<xcb_keycode_t>(keycode));
            if (role != KeyRole::ordinary && role != KeyRole::capsLock)
                tracker.adopt(evdevCode(static_cast<std::uint32_t>(keycode)), role);
        }
    }
    tracker.reconcileModifiers(session->keyboard->depressedModifiers(), session->keyboard->masks(),
                               session->keyboard->capsLockIsOn());
    return true;
}

void X11EventTapService::Impl::readPointerMapping()
{
    xcb_connection_t* connection = session->display->connection;
    const XcbPointer<xcb_get_pointer_mapping_reply_t> mapping(
        xcb_get_pointer_mapping_reply(connection, xcb_get_pointer_mapping(connection), nullptr));
    pointerMapping.clear();
    if (mapping) {
        const std::uint8_t* map = xcb_get_pointer_mapping_map(mapping.get());
        pointerMapping.assign(map, map + xcb_get_pointer_mapping_map_length(mapping.get()));
    }
}

void X11EventTapService::Impl::close()
{
    session.reset();
    heldKeyCheck.stop();
    reconnect.stop();
    tracker = KeyboardTracker{};
}

void X11EventTapService::Impl::drain()
{
    if (!session)
        return;
    const Session* current = session.get();
    while (xcb_generic_event_t* raw = xcb_poll_for_event(current->display->connection)) {
        const XcbPointer<xcb_generic_event_t> event(raw);
        handle(raw);
        if (session.get() != current)
            return; // a callback closed the display (and maybe opened another)
    }
    if (xcb_connection_has_error(current->display->connection))
        connectionLost();
}

void X11EventTapService::Impl::handle(const xcb_generic_event_t* event)
{
    const std::uint8_t type = event->response_type & 0x7f;
    if (type == XCB_MAPPING_NOTIFY) {
        if (reinterpret_cast<const xcb_mapping_notify_event_t*>(event)->request == XCB_MAPPING_POINTER)
            readPointerMapping();
        return;
    }
    if (type == session->keyboard->firstEvent()) {
        if (session->keyboard->handleEvent(event)) {
            for (const PlatformEvent& released :
                 tracker.reconcileModifiers(session->keyboard->depressedModifiers(), session->keyboard->masks(),
                                            session->keyboard->capsLockIsOn()))
                deliver(released);
        }
        return;
    }
    if (type != XCB_GE_GENERIC)
        return;
    const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
    if (generic->extension != session->display->inputOpcode)
        return;
    switch (generic->event_type) {
    case XCB_INPUT_RAW_KEY_PRESS:
    case XCB_INPUT_RAW_KEY_RELEASE:
        handleKey(reinterpret_cast<const xcb_input_raw_key_press_event_t*>(event),
                  generic->event_type == XCB_INPUT_RAW_KEY_PRESS);
        break;
    case XCB_INPUT_RAW_BUTTON_PRESS:
    case XCB_INPUT_RAW_BUTTON_RELEASE:
        handleButton(reinterpret_cast<const xcb_input_raw_button_press_event_t*>(event),
                     generic->event_type == XCB_INPUT_RAW_BUTTON_PRESS);
        break;
    default:
        break;
    }
}

void X11EventTapService::Impl::handleKey(const xcb_input_raw_key_press_event_t* event, bool isPress)
{
    const auto keycode = static_cast<xcb_keycode_t>(event->detail);
    const std::uint32_t evdev = evdevCode(keycode);
    if (!isPress) {
        if (const auto released = tracker.release(evdev))
            deliver(*released);
        if (!tracker.isHoldingOrdinaryKeys())
            heldKeyCheck.stop();
        return;
    }

    X11Keyboard& keyboard = *session->keyboard;
    const KeyRole role = keyboard.role(keycode);
    const auto pressed = tracker.press(evdev, role, role == KeyRole::ordinary ? keyboard.text(keycode) : std::nullopt);
    if (tracker.isHoldingOrdinaryKeys() && !heldKeyCheck.isActive())
        heldKeyCheck.start();
    if (!pressed)
        return;
    // Never show what is typed into another client's grab: that is where passwords go.
    // Modifier changes and releases still pass, so nothing stays held.
    if (pressed->type == EventType::keyDown && isTypedIntoGrab(event->time, keycode))
        return;
    deliver(*pressed);
}

bool X11EventTapService::Impl::isTypedIntoGrab(xcb_timestamp_t time, xcb_keycode_t keycode)
{
    // Without a working detector nothing can be told apart, and a password must never show:
    // such presses are withheld until a new detector answers.
    if (!session->grabs || session->grabs->isBroken())
        session->grabs = GrabDetector::create(displayName);
    return !session->grabs || session->grabs->isWithheld(time, keycode);
}

void X11EventTapService::Impl::handleButton(const xcb_input_raw_button_press_event_t* event, bool isPress)
{
    const std::uint64_t flags = tracker.flags();
    // Raw events report the physical button; the user's button map (left-handed, swapped
    // wheel) decides what it means.
    const std::uint32_t physical = event->detail;
    const std::uint32_t button =
        physical >= 1 && physical <= pointerMapping.size() ? pointerMapping[physical - 1] : physical;
    switch (button) {
    case 1:
        deliver(mouseEvent(isPress ? EventType::leftMouseDown : EventType::leftMouseUp, flags));
        break;
    case 3:
        deliver(mouseEvent(isPress ? EventType::rightMouseDown : EventType::rightMouseUp, flags));
        break;
    case 2: // middle
    case 8: // back and forward: other buttons 3 and 4
    case 9: {
        const std::int64_t number = button == 2 ? 2 : button - 5;
        deliver(mouseEvent(isPress ? EventType::otherMouseDown : EventType::otherMouseUp, flags, number));
        break;
    }
    case 4: // wheel up, down, left, right: one step per press, up and left positive
    case 5:
    case 6:
    case 7: {
        if (!isPress)
            break;
        PlatformEvent scroll = mouseEvent(EventType::scrollWheel, flags);
        scroll.scrollDeltaAxis1 = button == 4 ? 1.0 : button == 5 ? -1.0 : 0.0;
        scroll.scrollDeltaAxis2 = button == 6 ? 1.0 : button == 7 ? -1.0 : 0.0;
        deliver(scroll);
        break;
    }
    default:
        break;
    }
}

void X11EventTapService::Impl::checkHeldKeys()
{
    if (!session || !tracker.isHoldingOrdinaryKeys()) {
        heldKeyCheck.stop();
        return;
    }
    xcb_connection_t* connection = session->display->connection;
    const XcbPointer<xcb_query_keymap_reply_t> keymap(
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr));
    if (!keymap)
        return;
    const auto isDown = [&](std::uint32_t evdev) {
        const std::uint32_t keycode = evdev + 8;
        return keycode < 256 && (keymap->keys[keycode / 8] & (1u << (keycode % 8))) != 0;
    };
    for (const PlatformEvent& released : tracker.reconcileKeys(isDown))
        deliver(released);
    if (!tracker.isHoldingOrdinaryKeys())
        heldKeyCheck.stop();
}

void X11EventTapService::Impl::connectionLost()
{
    // Let go of everything held, then tell the taps and try again later.
    const auto held = tracker.reconcileKeys([](std::uint32_t) { return false; });
    auto releasedModifiers = tracker.reconcileModifiers(0, RealModifierMasks{}, false);
    close();
    for (const PlatformEvent& released : held)
        deliver(released);
    for (const PlatformEvent& released : releasedModifiers)
        deliver(released);
    const PlatformEvent disabled{.type = EventType::tapDisabledByTimeout};
    deliver(disabled);
    if (!taps.empty())
        reconnect.start();
}

void X11EventTapService::Impl::deliver(const PlatformEvent& event)
{
    // A callback may add or remove taps: walk a snapshot of the ids.
    std::vector<TapId> targets;
    for (const auto& [id, tap] : taps) {
        const bool selected = event.type >= EventType::tapDisabledByTimeout ||
                              (event.type < 64 && (tap.mask & (std::uint64_t{1} << event.type)) != 0);
        if (tap.enabled && selected)
            targets.push_back(id);
    }
    for (TapId id : targets) {
        const auto tap = taps.find(id);
        if (tap != taps.end() && tap->second.enabled) {
            const Callback callback = tap->second.callback;
            callback(event.type, event);
        }
    }
}

X11EventTapService::X11EventTapService(std::string displayName) : d(std::make_unique<Impl>(std::move(displayName))) {}

X11EventTapService::~X11EventTapService() = default;

std::optional<EventTapService::TapId> X11EventTapService::createTap(std::uint64_t mask, Callback callback)
{
    if (!d->open())
        return std::nullopt;
    const TapId id = ++d->lastTap;
    d->taps[id] = Impl::Tap{mask, std::move(callback), false};
    return id;
}

void X11EventTapService::enable(TapId tap, bool enabled)
{
    if (auto found = d->taps.find(tap); found != d->taps.end())
        found->second.enabled = enabled;
}

void X11EventTapService::remove(TapId tap)
{
    d->taps.erase(tap);
    if (d->taps.empty())
        d->close();
}

bool X11EventTapService::canListen(const std::string& displayName)
{
    return openDisplay(displayName) != nullptr;
}

} // namespace kestrel::x11
