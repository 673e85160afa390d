#include "platform/evdev/EvdevSeat.h"

#include "platform/evdev/EvdevDevices.h"

#include <algorithm>
#include <array>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrel::evdev {

struct EvdevSeat::Device {
    std::string path;
    int fd = -1;
    EvdevReader reader;
    dev_t node = 0; // the device's number; none for a stream
};

EvdevSeat::EvdevSeat(Options options, Watcher watcher) : m_options(std::move(options)), m_watcher(std::move(watcher)) {}

EvdevSeat::~EvdevSeat()
{
    for (const Device& device : m_devices) {
        if (m_watcher.removed)
            m_watcher.removed(device.fd);
        ::close(device.fd);
    }
    if (m_watch >= 0) {
        if (m_watcher.removed)
            m_watcher.removed(m_watch);
        ::close(m_watch);
    }
}

std::unique_ptr<EvdevSeat> EvdevSeat::open(Options options, Watcher watcher)
{
    auto seat = std::make_unique<EvdevSeat>(std::move(options), std::move(watcher));
    if (!seat->start())
        return nullptr;
    return seat;
}

bool EvdevSeat::start()
{
    m_keyboard =
        m_options.keymap.empty() ? XkbKeyboard::fromNames(m_options.layout) : XkbKeyboard::fromText(m_options.keymap);
    if (!m_keyboard)
        return false;
    m_decoder = std::make_unique<EvdevDecoder>(*m_keyboard);
    // Watch before the scan, so a device that comes meanwhile is not missed.
    watchDirectory();
    bool anyKeyboard = addAll();
    for (const std::string& stream : m_options.streams)
        anyKeyboard = add(stream, true) || anyKeyboard;
    return anyKeyboard;
}

bool EvdevSeat::add(const std::string& path, bool isStream)
{
    if (isStream && std::ranges::any_of(m_devices, [&](const Device& device) { return device.path == path; }))
        return false;
    // A FIFO is opened for writing too, so it never reads as ended when its writer goes.
    struct stat status {};
    const bool isFifo = isStream && ::stat(path.c_str(), &status) == 0 && S_ISFIFO(status.st_mode);
    const int fd = ::open(path.c_str(), (isFifo ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool isKeyboard = isStream;
    dev_t node = 0;
    if (!isStream) {
        // The same device under its name again (udev changed its mode) is not a second one;
        // a name that now stands for another device is.
        struct stat opened {};
        node = ::fstat(fd, &opened) == 0 ? opened.st_rdev : 0;
        if (std::ranges::any_of(m_devices, [&](const Device& device) { return device.node == node; })) {
            ::close(fd);
            return false;
        }
        const auto kinds = deviceKinds(fd);
        if (!kinds || (!kinds->keyboard && !kinds->pointer)) {
            ::close(fd);
            return false;
        }
        isKeyboard = kinds->keyboard;
        passOnlyKeysButtonsAndWheels(fd);
    }
    EvdevReader::KeyStateQuery query;
    if (!isStream)
        query = [fd] { return heldKeys(fd); };
    Device& device = m_devices.emplace_back(Device{path, fd, EvdevReader(std::move(query)), node});
    // Keys already down (the hot key that switched Kestrel on, say) count as held.
    for (std::uint16_t code : device.reader.adoptHeld())
        m_decoder->adopt(code);
    if (m_watcher.added)
        m_watcher.added(fd);
    return isKeyboard;
}

void EvdevSeat::useKeyboard(std::unique_ptr<XkbKeyboard> keyboard)
{
    m_decoder->useKeyboard(*keyboard);
    m_keyboard = std::move(keyboard);
}

void EvdevSeat::watchDirectory()
{
    m_watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_watch < 0)
        return;
    // A new node appears (IN_CREATE), then udev gives it its group and mode (IN_ATTRIB).
    if (::inotify_add_watch(m_watch, m_options.directory.c_str(), IN_CREATE | IN_ATTRIB) < 0) {
        ::close(m_watch);
        m_watch = -1;
        return;
    }
    if (m_watcher.added)
        m_watcher.added(m_watch);
}

void EvdevSeat::readDirectoryWatch()
{
    alignas(inotify_event) std::array<char, 4096> buffer;
    std::vector<std::string> names;
    bool overflowed = false;
    ssize_t length = 0;
    while ((length = ::read(m_watch, buffer.data(), buffer.size())) > 0) {
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
            overflowed = overflowed || (event->mask & IN_Q_OVERFLOW) != 0;
            if (event->len > 0 && std::string_view(event->name).starts_with("event"))
                names.emplace_back(event->name);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    // Notices were lost: look at every node.
    if (overflowed) {
        addAll();
        return;
    }
    for (const std::string& name : names)
        add(m_options.directory + "/" + name, false);
}

void EvdevSeat::read(int fd, std::vector<PlatformEvent>& out)
{
    if (fd == m_watch) {
        readDirectoryWatch();
        return;
    }
    const auto device = std::ranges::find(m_devices, fd, &Device::fd);
    if (device != m_devices.end())
        readDevice(*device, out);
}

void EvdevSeat::readAll(std::vector<PlatformEvent>& out)
{
    for (auto device = m_devices.begin(); device != m_devices.end();) {
        auto next = std::next(device);
        readDevice(*device, out);
        device = next;
    }
}

void EvdevSeat::readDevice(Device& device, std::vector<PlatformEvent>& out)
{
    std::vector<DeviceEvent> events;
    const auto status = device.reader.readFrom(device.fd, events);
    for (const DeviceEvent& event : events)
        m_decoder->decode(event, out);
    if (status == EvdevReader::Status::closed) {
        // Unplugged: what it held has been released above; forget it.
        if (m_watcher.removed)
            m_watcher.removed(device.fd);
        ::close(device.fd);
        m_devices.remove_if([&](const Device& each) { return &each == &device; });
        // Its number may already stand for a device that came meanwhile.
        addAll();
    }
}

bool EvdevSeat::addAll()
{
    bool anyKeyboard = false;
    for (const std::string& node : eventNodes(m_options.directory))
        anyKeyboard = add(node, false) || anyKeyboard;
    return anyKeyboard;
}

} // namespace kestrel::evdev
