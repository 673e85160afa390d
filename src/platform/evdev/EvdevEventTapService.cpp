#include "platform/evdev/EvdevEventTapService.h"

#include "platform/TapRegistry.h"
#include "platform/evdev/EvdevDecoder.h"
#include "platform/evdev/EvdevDevices.h"
#include "platform/evdev/EvdevReader.h"

#include <QSocketNotifier>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <list>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrel::evdev {

namespace {

// What a device holds now, asked of the kernel.
std::optional<KeyBits> heldKeys(int fd)
{
    constexpr std::size_t wordBits = sizeof(unsigned long) * CHAR_BIT;
    std::array<unsigned long, (KEY_CNT + wordBits - 1) / wordBits> words{};
    if (::ioctl(fd, EVIOCGKEY(sizeof(words)), words.data()) < 0)
        return std::nullopt;
    KeyBits held;
    for (std::size_t code = 0; code < held.size(); ++code)
        held[code] = (words[code / wordBits] >> (code % wordBits)) & 1;
    return held;
}

// A device may go while its own notifier is calling Kestrel: the notifier is switched off at
// once and deleted once control is back in the main loop.
void retire(std::unique_ptr<QSocketNotifier> notifier)
{
    if (!notifier)
        return;
    notifier->setEnabled(false);
    notifier.release()->deleteLater();
}

} // namespace

struct EvdevEventTapService::Impl {
    struct Device {
        std::string path;
        int fd = -1;
        EvdevReader reader;
        std::unique_ptr<QSocketNotifier> notifier;

        Device(std::string where, int descriptor, EvdevReader::KeyStateQuery query)
            : path(std::move(where)), fd(descriptor), reader(std::move(query))
        {}
        ~Device()
        {
            retire(std::move(notifier));
            ::close(fd);
        }
    };

    // Everything that lives while the devices are open.
    struct Session {
        std::unique_ptr<XkbKeyboard> keyboard;
        std::unique_ptr<EvdevDecoder> decoder;
        std::list<Device> devices;
        int watch = -1; // inotify on the device directory
        std::unique_ptr<QSocketNotifier> watchNotifier;

        ~Session()
        {
            retire(std::move(watchNotifier));
            if (watch >= 0)
                ::close(watch);
        }
    };

    explicit Impl(Options settings) : options(std::move(settings)) {}

    bool open();
    void close() { session.reset(); }
    // Opens the node when it is a keyboard or mouse this user may read and not yet open.
    bool addDevice(const std::string& path, bool isStream);
    void watchDirectory();
    void readDevice(Device& device);
    void readAll();
    void decode(const std::vector<DeviceEvent>& events);

    Options options;
    TapRegistry taps;
    std::unique_ptr<Session> session;
    int framesWaitedFor = 0;
};

bool EvdevEventTapService::Impl::open()
{
    if (session)
        return true;
    auto keyboard =
        options.keymap.empty() ? XkbKeyboard::fromNames(options.layout) : XkbKeyboard::fromText(options.keymap);
    if (!keyboard)
        return false;
    session = std::make_unique<Session>();
    session->keyboard = std::move(keyboard);
    session->decoder = std::make_unique<EvdevDecoder>(*session->keyboard);
    // Watch before the scan, so a device that comes meanwhile is not missed.
    watchDirectory();
    bool anyKeyboard = false;
    for (const std::string& node : eventNodes(options.directory))
        anyKeyboard = addDevice(node, false) || anyKeyboard;
    for (const std::string& stream : options.streams)
        anyKeyboard = addDevice(stream, true) || anyKeyboard;
    if (!anyKeyboard) {
        // Without a keyboard this user may read, Kestrel has no input access.
        session.reset();
        return false;
    }
    return true;
}

bool EvdevEventTapService::Impl::addDevice(const std::string& path, bool isStream)
{
    if (std::ranges::any_of(session->devices, [&](const Device& device) { return device.path == path; }))
        return false;
    // A FIFO is opened for writing too, so it never reads as ended when its writer goes.
    struct stat status {};
    const bool isFifo = isStream && ::stat(path.c_str(), &status) == 0 && S_ISFIFO(status.st_mode);
    const int fd = ::open(path.c_str(), (isFifo ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool isKeyboard = isStream;
    if (!isStream) {
        const auto kinds = deviceKinds(fd);
        if (!kinds || (!kinds->keyboard && !kinds->pointer)) {
            ::close(fd);
            return false;
        }
        isKeyboard = kinds->keyboard;
    }
    EvdevReader::KeyStateQuery query;
    if (!isStream)
        query = [fd] { return heldKeys(fd); };
    Device& device = session->devices.emplace_back(path, fd, std::move(query));
    // Keys already down (the hot key that switched Kestrel on, say) count as held.
    for (std::uint16_t code : device.reader.adoptHeld())
        session->decoder->adopt(code);
    device.notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    device.notifier->setEnabled(framesWaitedFor == 0);
    QObject::connect(device.notifier.get(), &QSocketNotifier::activated, [this, &device] { readDevice(device); });
    return isKeyboard;
}

void EvdevEventTapService::Impl::watchDirectory()
{
    session->watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (session->watch < 0)
        return;
    // A new node appears (IN_CREATE), then udev gives it its group and mode (IN_ATTRIB).
    if (::inotify_add_watch(session->watch, options.directory.c_str(), IN_CREATE | IN_ATTRIB) < 0) {
        ::close(session->watch);
        session->watch = -1;
        return;
    }
    session->watchNotifier = std::make_unique<QSocketNotifier>(session->watch, QSocketNotifier::Read);
    QObject::connect(session->watchNotifier.get(), &QSocketNotifier::activated, [this] {
        alignas(inotify_event) std::array<char, 4096> buffer;
        std::vector<std::string> names;
        ssize_t length = 0;
        while ((length = ::read(session->watch, buffer.data(), buffer.size())) > 0) {
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
                if (event->len > 0 && std::string_view(event->name).starts_with("event"))
                    names.emplace_back(event->name);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        for (const std::string& name : names)
            addDevice(options.directory + "/" + name, false);
    });
}

void EvdevEventTapService::Impl::readDevice(Device& device)
{
    std::vector<DeviceEvent> events;
    const auto status = device.reader.readFrom(device.fd, events);
    Session* current = session.get();
    if (status == EvdevReader::Status::closed) {
        // Unplugged: what it held has been released; forget it.
        current->devices.remove_if([&](const Device& each) { return &each == &device; });
    }
    decode(events);
}

void EvdevEventTapService::Impl::readAll()
{
    if (!session)
        return;
    Session* current = session.get();
    for (auto device = current->devices.begin(); device != current->devices.end();) {
        auto next = std::next(device);
        readDevice(*device);
        if (session.get() != current)
            return; // a tap's callback closed the devices
        device = next;
    }
}

void EvdevEventTapService::Impl::decode(const std::vector<DeviceEvent>& events)
{
    Session* current = session.get();
    for (const DeviceEvent& event : events) {
        std::vector<PlatformEvent> out;
        current->decoder->decode(event, out);
        // Modifier changes and releases still pass, so nothing stays held.
        if (options.isTypingWithheld && options.isTypingWithheld())
            std::erase_if(out, [](const PlatformEvent& each) { return each.type == EventType::keyDown; });
        taps.deliver(out);
        if (session.get() != current)
            return; // a tap's callback closed the devices
    }
}

EvdevEventTapService::EvdevEventTapService(Options options) : d(std::make_unique<Impl>(std::move(options))) {}

EvdevEventTapService::~EvdevEventTapService() = default;

std::optional<EventTapService::TapId> EvdevEventTapService::createTap(std::uint64_t mask, Callback callback)
{
    if (!d->open())
        return std::nullopt;
    return d->taps.add(mask, std::move(callback));
}

void EvdevEventTapService::enable(TapId tap, bool enabled)
{
    d->taps.enable(tap, enabled);
}

void EvdevEventTapService::remove(TapId tap)
{
    d->taps.remove(tap);
    if (d->taps.empty())
        d->close();
}

void EvdevEventTapService::deliverPending()
{
    d->readAll();
}

void EvdevEventTapService::waitForFrames(bool wait)
{
    d->framesWaitedFor = std::max(0, d->framesWaitedFor + (wait ? 1 : -1));
    if (!d->session)
        return;
    for (Impl::Device& device : d->session->devices)
        device.notifier->setEnabled(d->framesWaitedFor == 0);
}

XkbKeyboard* EvdevEventTapService::keyboard()
{
    return d->session ? d->session->keyboard.get() : nullptr;
}

} // namespace kestrel::evdev
