#include "platform/evdev/reader/InputForwarder.h"

#include "platform/evdev/EvdevDevices.h"

#include <algorithm>
#include <cerrno>
#include <list>
#include <vector>

#include <poll.h>

namespace kestrel::evdev::reader {

namespace {

struct Device {
    int fd = -1;
    dev_t node = 0;
    EvdevReader reader;
};

class Forwarder {
public:
    explicit Forwarder(const ForwarderSettings& settings) : m_settings(settings), m_watch(settings.directory) {}
    ~Forwarder()
    {
        for (const Device& device : m_devices)
            ::close(device.fd);
    }
    Forwarder(const Forwarder&) = delete;
    Forwarder& operator=(const Forwarder&) = delete;

    ExitStatus run(const std::function<bool()>& confine);

private:
    void addAll()
    {
        for (const std::string& node : eventNodes(m_settings.directory))
            add(node);
    }
    void add(const std::string& path)
    {
        const auto opened = openKeyboardOrMouse(path, [this](dev_t node) {
            return std::ranges::any_of(m_devices, [&](const Device& each) { return each.node == node; });
        });
        if (!opened)
            return;
        const int fd = opened->fd;
        Device& device = m_devices.emplace_back(Device{fd, opened->node, EvdevReader([fd] { return heldKeys(fd); })});
        device.reader.adoptHeld();
        // Caps Lock already on: Kestrel cannot ask the device itself.
        if (opened->kinds.keyboard && capsLockLit(fd))
            appendRecords(DeviceEvent{.kind = DeviceEvent::Kind::capsLockLight, .code = LED_CAPSL}, m_pending);
    }
    // Reads the device; false when it has gone (and is closed).
    bool read(Device& device)
    {
        std::vector<DeviceEvent> events;
        const auto status = device.reader.readFrom(device.fd, events);
        for (const DeviceEvent& event : events)
            appendRecords(event, m_pending);
        return status == EvdevReader::Status::open;
    }
    // Writes what is pending; the status to end with when the output failed.
    std::optional<ExitStatus> flush();

    const ForwarderSettings& m_settings;
    DeviceDirectoryWatch m_watch;
    std::list<Device> m_devices;
    std::vector<input_event> m_pending;
};

std::optional<ExitStatus> Forwarder::flush()
{
    const auto* bytes = reinterpret_cast<const char*>(m_pending.data());
    std::size_t left = m_pending.size() * sizeof(input_event);
    while (left > 0) {
        const std::size_t chunk = std::min(left, recordsPerWrite * sizeof(input_event));
        const ssize_t written = ::write(m_settings.output, bytes, chunk);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            m_pending.clear();
            return errno == EPIPE ? ExitStatus::kestrelGone : ExitStatus::failed;
        }
        bytes += written;
        left -= static_cast<std::size_t>(written);
    }
    m_pending.clear();
    return std::nullopt;
}

ExitStatus Forwarder::run(const std::function<bool()>& confine)
{
    if (m_watch.descriptor() < 0)
        return ExitStatus::noDeviceDirectory;
    addAll();
    if (!confine())
        return ExitStatus::notConfined;
    m_pending.insert(m_pending.begin(), readyRecord()); // before the lights found lit
    if (const auto failed = flush())
        return *failed;

    std::vector<pollfd> waits;
    for (;;) {
        waits.clear();
        waits.push_back({m_settings.input, POLLIN, 0});
        waits.push_back({m_settings.output, 0, 0}); // only its errors: Kestrel's end closed
        waits.push_back({m_watch.descriptor(), POLLIN, 0});
        for (const Device& device : m_devices)
            waits.push_back({device.fd, POLLIN, 0});
        if (::poll(waits.data(), waits.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            return ExitStatus::failed;
        }
        if (waits[0].revents != 0) {
            char byte = 0;
            return ::read(m_settings.input, &byte, 1) > 0 ? ExitStatus::unexpectedInput : ExitStatus::kestrelGone;
        }
        if (waits[1].revents != 0)
            return ExitStatus::kestrelGone;
        std::size_t at = 3;
        bool anyGone = false;
        for (auto device = m_devices.begin(); device != m_devices.end(); ++at) {
            if (waits[at].revents == 0 || read(*device)) {
                ++device;
                continue;
            }
            ::close(device->fd);
            device = m_devices.erase(device);
            anyGone = true;
        }
        // A gone device's number may already stand for one that came meanwhile.
        if (waits[2].revents != 0) {
            if (const auto paths = m_watch.read(); paths && !anyGone) {
                for (const std::string& path : *paths)
                    add(path);
            } else {
                anyGone = true;
            }
        }
        if (anyGone)
            addAll();
        if (const auto failed = flush())
            return *failed;
    }
}

} // namespace

ExitStatus forward(const ForwarderSettings& settings, const std::function<bool()>& confine)
{
    Forwarder forwarder(settings);
    return forwarder.run(confine);
}

} // namespace kestrel::evdev::reader
