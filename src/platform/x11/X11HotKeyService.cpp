#include "platform/x11/X11HotKeyService.h"

#include "common/ui/Translated.h"
#include "platform/keys/KeyCodeMap.h"
#include "platform/keys/KeyboardTracker.h"
#include "platform/x11/X11Display.h"
#include "platform/x11/XcbHeaders.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>

#include <array>
#include <cstdio>
#include <map>
#include <vector>

namespace kestrel::x11 {

namespace {

// The real modifier bits that carry Alt, Super, NumLock and Scroll Lock on this server: Mod1
// and Mod4 are only the usual choice. One bit each, as a grab needs exactly the modifiers the
// user holds and the Alt and Super keys each set one.
struct ServerModifiers {
    std::uint16_t option = 0;
    std::uint16_t command = 0;
    std::uint16_t numLock = 0;
    std::uint16_t scrollLock = 0;
};

ServerModifiers serverModifiers(xcb_connection_t* connection)
{
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const XcbPointer<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
    const int keycodeCount = setup->max_keycode - setup->min_keycode + 1;
    const XcbPointer<xcb_get_keyboard_mapping_reply_t> keyboard(xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<std::uint8_t>(keycodeCount)),
        nullptr));
    if (!mapping || !keyboard)
        return {};
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(keyboard.get());
    const auto masks = keys::realModifierMasks(
        xcb_get_modifier_mapping_keycodes(mapping.get()), mapping->keycodes_per_modifier, [&](xcb_keycode_t keycode) {
            return keycode < setup->min_keycode || keycode > setup->max_keycode
                       ? 0u
                       : keysyms[(keycode - setup->min_keycode) * keyboard->keysyms_per_keycode];
        });
    const auto lowestBit = [](std::uint8_t mask) { return static_cast<std::uint16_t>(mask & -mask); };
    return {lowestBit(masks.option), lowestBit(masks.command), lowestBit(masks.numLock), lowestBit(masks.scrollLock)};
}

} // namespace

struct X11HotKeyService::Impl {
    struct HotKey {
        std::uint32_t keyCode = 0;   // Kestrel's key code
        std::uint32_t modifiers = 0; // HotKeyModifier bits
        std::function<void()> onPressed;
        xcb_keycode_t keycode = 0; // as grabbed on this server; 0 while not grabbed
        std::uint16_t mask = 0;
        bool isDown = false;
    };

    explicit Impl(std::string name) : displayName(std::move(name)) {}
    ~Impl() { disconnect(); }

    bool connect();
    void disconnect();
    // Handles the events that came; with `readSocket`, also those not yet read.
    void drain(bool readSocket);
    std::vector<std::uint16_t> lockVariants(std::uint16_t mask) const;
    bool grab(HotKey& hotKey);
    void ungrab(HotKey& hotKey);
    void regrab();
    // The modifier bits a press is judged by: those a combination can hold.
    std::uint16_t significantModifiers() const
    {
        return XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | modifiers.option | modifiers.command;
    }

    std::string displayName;
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    ServerModifiers modifiers;
    std::uint8_t xkbFirstEvent = 0; // 0 without XKB
    std::unique_ptr<QSocketNotifier> notifier;
    QMetaObject::Connection beforeSleep;
    std::map<Registration, HotKey> hotKeys;
    Registration lastRegistration = 0;
    std::function<void(const std::string&)> warn = [](const std::string& message) {
        std::fprintf(stderr, "kestrel: %s\n", message.c_str());
    };
    bool regrabFailed = false; // reported; not again until a re-grab succeeds
    int regrabs = 0;
};

bool X11HotKeyService::Impl::connect()
{
    if (connection)
        return true;
    const auto display = connectDisplay(displayName);
    if (!display)
        return false;
    connection = display->connection;
    root = display->root;
    modifiers = serverModifiers(connection);

    // Holding the shortcut repeats as presses without releases, so one press is one toggle.
    const XcbPointer<xcb_xkb_use_extension_reply_t> xkb(
        xcb_xkb_use_extension_reply(connection, xcb_xkb_use_extension(connection, 1, 0), nullptr));
    if (xkb && xkb->supported) {
        xcb_discard_reply(connection, xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD,
                                                               XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT,
                                                               XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT, 0, 0, 0)
                                          .sequence);
        // An XKB client gets no core MappingNotify: ask for XKB's notice of keymap changes.
        xkbFirstEvent = xcb_get_extension_data(connection, &xcb_xkb_id)->first_event;
        constexpr std::uint16_t events = XCB_XKB_EVENT_TYPE_NEW_KEYBOARD_NOTIFY | XCB_XKB_EVENT_TYPE_MAP_NOTIFY;
        constexpr std::uint16_t parts = XCB_XKB_MAP_PART_KEY_SYMS | XCB_XKB_MAP_PART_MODIFIER_MAP;
        xcb_xkb_select_events(connection, XCB_XKB_ID_USE_CORE_KBD, events, 0, events, parts, parts, nullptr);
    }

    notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection), QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, [this] { drain(true); });
    // Events a round trip read into the queue wake no notifier: they are looked at before the
    // main loop sleeps, without a read of the socket each time.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        beforeSleep = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [this] { drain(false); });
    return true;
}

void X11HotKeyService::Impl::disconnect()
{
    QObject::disconnect(beforeSleep);
    notifier.reset();
    if (connection)
        xcb_disconnect(connection);
    connection = nullptr;
}

std::vector<std::uint16_t> X11HotKeyService::Impl::lockVariants(std::uint16_t mask) const
{
    // The grab matches an exact modifier mask, so repeat it for every combination of locks.
    std::vector<std::uint16_t> variants{mask};
    for (const std::uint16_t lock :
         {static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK), modifiers.numLock, modifiers.scrollLock}) {
        if (lock == 0 || (lock & mask) != 0)
            continue;
        for (std::size_t i = 0, count = variants.size(); i < count; ++i)
            variants.push_back(static_cast<std::uint16_t>(variants[i] | lock));
    }
    return variants;
}

void X11HotKeyService::Impl::drain(bool readSocket)
{
    if (!connection || !notifier)
        return;
    bool mappingIsStale = false;
    while (xcb_generic_event_t* raw = nextEvent(connection, readSocket)) {
        const XcbPointer<xcb_generic_event_t> event(raw);
        const std::uint8_t type = raw->response_type & 0x7f;
        if (xkbFirstEvent != 0 && type == xkbFirstEvent) {
            mappingIsStale = true;
            continue;
        }
        if (type == XCB_MAPPING_NOTIFY) {
            const auto request = reinterpret_cast<const xcb_mapping_notify_event_t*>(raw)->request;
            if (request == XCB_MAPPING_MODIFIER || request == XCB_MAPPING_KEYBOARD)
                mappingIsStale = true;
            continue;
        }
        if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
            continue;
        const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(raw);
        // Buttons held, the layout group and the locks do not change what was pressed.
        const auto state = static_cast<std::uint16_t>(key->state & significantModifiers());
        // Collect first: a handler may unregister hot keys.
        std::vector<std::function<void()>> fired;
        for (auto& [id, hotKey] : hotKeys) {
            if (hotKey.keycode == 0 || hotKey.keycode != key->detail)
                continue;
            if (type == XCB_KEY_RELEASE) {
                hotKey.isDown = false;
            } else if (state == hotKey.mask && !hotKey.isDown) {
                hotKey.isDown = true;
                fired.push_back(hotKey.onPressed);
            }
        }
        for (const auto& action : fired)
            action();
        if (!connection)
            return;
    }
    // One keymap change sends several notices in a row: grab again once for all of them.
    if (mappingIsStale && !xcb_connection_has_error(connection))
        regrab();
    // A broken connection stays readable: stop listening instead of spinning. The grabs
    // went with it, so the hot key is silent until Kestrel starts again: say so, unless the
    // whole display went away (Kestrel then starts again by itself).
    if (xcb_connection_has_error(connection)) {
        QObject::disconnect(beforeSleep);
        notifier.reset();
        if (const auto display = connectDisplay(displayName)) {
            xcb_disconnect(display->connection);
            warn(translatedText(KESTREL_TEXT(
                "X11", "the hot key lost its connection to the X display and is off until Kestrel starts again.")));
        }
    }
}

X11HotKeyService::X11HotKeyService(std::string displayName) : d(std::make_unique<Impl>(std::move(displayName))) {}

X11HotKeyService::~X11HotKeyService() = default;

std::optional<HotKeyService::Registration> X11HotKeyService::registerHotKey(std::uint32_t keyCode,
                                                                            std::uint32_t modifiers, HotKeyIdentifier,
                                                                            std::function<void()> onPressed)
{
    if (!d->connect())
        return std::nullopt;
    Impl::HotKey hotKey{keyCode, modifiers, std::move(onPressed)};
    if (!d->grab(hotKey)) {
        if (d->hotKeys.empty())
            d->disconnect();
        return std::nullopt;
    }
    const Registration registration = ++d->lastRegistration;
    d->hotKeys[registration] = std::move(hotKey);
    return registration;
}

void X11HotKeyService::unregisterHotKey(Registration registration)
{
    const auto found = d->hotKeys.find(registration);
    if (found == d->hotKeys.end())
        return;
    d->ungrab(found->second);
    d->hotKeys.erase(found);
    if (d->hotKeys.empty())
        d->disconnect();
    else
        xcb_flush(d->connection);
}

bool X11HotKeyService::Impl::grab(HotKey& hotKey)
{
    hotKey.keycode = 0;
    const auto evdev = keys::evdevCodeForMacKeyCode(hotKey.keyCode);
    if (!evdev || keys::xKeycode(*evdev) > 255)
        return false;
    if (((hotKey.modifiers & HotKeyModifier::option) && !modifiers.option) ||
        ((hotKey.modifiers & HotKeyModifier::command) && !modifiers.command))
        return false; // this keyboard has no such modifier

    std::uint16_t mask = 0;
    if (hotKey.modifiers & HotKeyModifier::shift)
        mask |= XCB_MOD_MASK_SHIFT;
    if (hotKey.modifiers & HotKeyModifier::control)
        mask |= XCB_MOD_MASK_CONTROL;
    if (hotKey.modifiers & HotKeyModifier::option)
        mask |= modifiers.option;
    if (hotKey.modifiers & HotKeyModifier::command)
        mask |= modifiers.command;
    const auto keycode = static_cast<xcb_keycode_t>(keys::xKeycode(*evdev));

    const auto variants = lockVariants(mask);
    std::vector<xcb_void_cookie_t> cookies;
    for (std::uint16_t variant : variants)
        cookies.push_back(
            xcb_grab_key_checked(connection, 1, root, variant, keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    bool grabbed = true;
    for (const auto cookie : cookies) {
        if (const XcbPointer<xcb_generic_error_t> error(xcb_request_check(connection, cookie)); error)
            grabbed = false; // another program holds the combination
    }
    if (!grabbed) {
        for (std::uint16_t variant : variants)
            xcb_ungrab_key(connection, keycode, root, variant);
        xcb_flush(connection);
        return false;
    }
    hotKey.keycode = keycode;
    hotKey.mask = mask;
    return true;
}

void X11HotKeyService::Impl::ungrab(HotKey& hotKey)
{
    if (hotKey.keycode == 0)
        return;
    for (std::uint16_t variant : lockVariants(hotKey.mask))
        xcb_ungrab_key(connection, hotKey.keycode, root, variant);
    hotKey.keycode = 0;
}

void X11HotKeyService::Impl::regrab()
{
    // Alt, Super and the locks may sit on other modifier bits now, and keys may have moved:
    // grab everything again under the new mapping.
    for (auto& [id, hotKey] : hotKeys)
        ungrab(hotKey);
    modifiers = serverModifiers(connection);
    bool grabbed = true;
    for (auto& [id, hotKey] : hotKeys)
        grabbed = grab(hotKey) && grabbed;
    xcb_flush(connection);
    ++regrabs;
    if (grabbed) {
        regrabFailed = false;
    } else if (!regrabFailed) {
        regrabFailed = true;
        warn(translatedText(KESTREL_TEXT("X11", "the keyboard changed and the hot key could not be taken again "
                                                "(another program may hold it, or the keyboard lacks one of its "
                                                "keys); it is tried again at the next keyboard change.")));
    }
}

void X11HotKeyService::setWarningHandler(std::function<void(const std::string&)> handler)
{
    d->warn = std::move(handler);
}

int X11HotKeyService::regrabCount() const
{
    return d->regrabs;
}

} // namespace kestrel::x11
