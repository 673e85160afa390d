#include "platform/evdev/EvdevSeat.h"

#include <algorithm>

#include <fcntl.h>
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
    if (m_watch && m_watcher.removed)
        m_watcher.removed(m_watch->descriptor());
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
        anyKeyboard = addStream(stream) || anyKeyboard;
    for (const int stream : m_options.streamDescriptors)
        addStream(stream);
    return anyKeyboard || !m_options.streamDescriptors.empty();
}

void EvdevSeat::addStream(int fd)
{
    const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (copy >= 0)
        addOpen(Device{"", copy, EvdevReader(), 0});
}

bool EvdevSeat::addStream(const std::string& path)
{
    if (std::ranges::any_of(m_devices, [&](const Device& device) { return device.path == path; }))
        return false;
    // A FIFO is opened for writing too, so it never reads as ended when its writer goes.
    struct stat status {};
    const bool isFifo = ::stat(path.c_str(), &status) == 0 && S_ISFIFO(status.st_mode);
    const int fd = ::open(path.c_str(), (isFifo ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    addOpen(Device{path, fd, EvdevReader(), 0});
    return true;
}

bool EvdevSeat::add(const std::string& path)
{
    const auto opened = openKeyboardOrMouse(path, [&](dev_t node) {
        return std::ranges::any_of(m_devices, [&](const Device& each) { return each.node == node; });
    });
    if (!opened)
        return false;
    const int fd = opened->fd;
    addOpen(Device{path, fd, EvdevReader([fd] { return heldKeys(fd); }), opened->node});
    if (opened->kinds.keyboard && capsLockLit(fd))
        m_decoder->adoptCapsLockLight();
    return opened->kinds.keyboard;
}

void EvdevSeat::addOpen(Device opened)
{
    Device& device = m_devices.emplace_back(std::move(opened));
    // Keys already down (the hot key that switched Kestrel on, say) count as held.
    for (std::uint16_t code : device.reader.adoptHeld())
        m_decoder->adopt(code);
    if (m_watcher.added)
        m_watcher.added(device.fd);
}

void EvdevSeat::useKeyboard(std::unique_ptr<XkbKeyboard> keyboard)
{
    m_decoder->useKeyboard(*keyboard);
    m_keyboard = std::move(keyboard);
}

void EvdevSeat::watchDirectory()
{
    m_watch = std::make_unique<DeviceDirectoryWatch>(m_options.directory);
    if (m_watch->descriptor() < 0)
        m_watch.reset();
    else if (m_watcher.added)
        m_watcher.added(m_watch->descriptor());
}

void EvdevSeat::readDirectoryWatch()
{
    // Notices were lost: look at every node.
    const auto paths = m_watch->read();
    if (!paths) {
        addAll();
        return;
    }
    for (const std::string& path : *paths)
        add(path);
}

void EvdevSeat::read(int fd, std::vector<PlatformEvent>& out)
{
    if (m_watch && fd == m_watch->descriptor()) {
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
        // Unplugged: what it held has been released above.
        forget(device);
        // Its number may already stand for a device that came meanwhile.
        addAll();
    }
}

void EvdevSeat::forget(Device& device)
{
    if (m_watcher.removed)
        m_watcher.removed(device.fd);
    ::close(device.fd);
    m_devices.remove_if([&](const Device& each) { return &each == &device; });
}

void EvdevSeat::closeStreams(std::vector<PlatformEvent>& out)
{
    for (auto device = m_devices.begin(); device != m_devices.end();) {
        auto next = std::next(device);
        // Those added by descriptor have no path.
        if (device->path.empty()) {
            std::vector<DeviceEvent> released;
            device->reader.unplug(released);
            for (const DeviceEvent& event : released)
                m_decoder->decode(event, out);
            forget(*device);
        }
        device = next;
    }
}

bool EvdevSeat::addAll()
{
    bool anyKeyboard = false;
    for (const std::string& node : eventNodes(m_options.directory))
        anyKeyboard = add(node) || anyKeyboard;
    return anyKeyboard;
}

} // namespace kestrel::evdev
