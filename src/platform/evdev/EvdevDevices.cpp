#include "platform/evdev/EvdevDevices.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrel::evdev {

namespace {

template <std::size_t Bits>
class BitSet {
public:
    bool test(unsigned bit) const { return bit < Bits && (m_words[bit / wordBits] >> (bit % wordBits)) & 1; }
    void set(unsigned bit) { m_words[bit / wordBits] |= 1UL << (bit % wordBits); }
    unsigned long* data() { return m_words.data(); }
    static constexpr std::size_t bytes() { return sizeof(m_words); }

private:
    static constexpr std::size_t wordBits = sizeof(unsigned long) * CHAR_BIT;
    std::array<unsigned long, (Bits + wordBits - 1) / wordBits> m_words{};
};

} // namespace

std::optional<DeviceKinds> deviceKinds(int fd)
{
    BitSet<EV_CNT> types;
    if (::ioctl(fd, EVIOCGBIT(0, types.bytes()), types.data()) < 0)
        return std::nullopt;
    BitSet<KEY_CNT> keys;
    if (types.test(EV_KEY))
        ::ioctl(fd, EVIOCGBIT(EV_KEY, keys.bytes()), keys.data());
    BitSet<REL_CNT> axes;
    if (types.test(EV_REL))
        ::ioctl(fd, EVIOCGBIT(EV_REL, axes.bytes()), axes.data());
    DeviceKinds kinds;
    kinds.keyboard = keys.test(KEY_A) && keys.test(KEY_Z) && keys.test(KEY_SPACE) && keys.test(KEY_ENTER);
    kinds.pointer = keys.test(BTN_LEFT) || axes.test(REL_WHEEL) || axes.test(REL_HWHEEL);
    return kinds;
}

std::optional<KeyBits> heldKeys(int fd)
{
    BitSet<KEY_CNT> words;
    if (::ioctl(fd, EVIOCGKEY(words.bytes()), words.data()) < 0)
        return std::nullopt;
    KeyBits held;
    for (unsigned code = 0; code < held.size(); ++code)
        held[code] = words.test(code);
    return held;
}

bool capsLockLit(int fd)
{
    BitSet<LED_CNT> lights;
    return ::ioctl(fd, EVIOCGLED(lights.bytes()), lights.data()) >= 0 && lights.test(LED_CAPSL);
}

bool passOnlyKeysButtonsAndWheels(int fd)
{
    BitSet<REL_CNT> wheels;
    for (unsigned axis : {REL_WHEEL, REL_HWHEEL, REL_WHEEL_HI_RES, REL_HWHEEL_HI_RES})
        wheels.set(axis);
    input_mask relative{.type = EV_REL,
                        .codes_size = static_cast<std::uint32_t>(wheels.bytes()),
                        .codes_ptr = reinterpret_cast<std::uint64_t>(wheels.data())};
    // The mask of event types sits in EV_SYN's place; EV_SYN itself always passes.
    BitSet<EV_CNT> types;
    types.set(EV_KEY);
    types.set(EV_REL);
    input_mask typeMask{.type = EV_SYN,
                        .codes_size = static_cast<std::uint32_t>(types.bytes()),
                        .codes_ptr = reinterpret_cast<std::uint64_t>(types.data())};
    return ::ioctl(fd, EVIOCSMASK, &relative) == 0 && ::ioctl(fd, EVIOCSMASK, &typeMask) == 0;
}

std::optional<OpenedDevice> openKeyboardOrMouse(const std::string& path, const std::function<bool(dev_t)>& isOpen)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    // The same device under its name again (udev changed its mode) is not a second one; a
    // name that now stands for another device is.
    struct stat opened {};
    const dev_t node = ::fstat(fd, &opened) == 0 ? opened.st_rdev : 0;
    const auto kinds = isOpen(node) ? std::nullopt : deviceKinds(fd);
    if (!kinds || (!kinds->keyboard && !kinds->pointer)) {
        ::close(fd);
        return std::nullopt;
    }
    passOnlyKeysButtonsAndWheels(fd);
    return OpenedDevice{fd, node, *kinds};
}

DeviceDirectoryWatch::DeviceDirectoryWatch(const std::string& directory) : m_directory(directory)
{
    m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd >= 0 && ::inotify_add_watch(m_fd, directory.c_str(), IN_CREATE | IN_ATTRIB) < 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

DeviceDirectoryWatch::~DeviceDirectoryWatch()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::optional<std::vector<std::string>> DeviceDirectoryWatch::read()
{
    alignas(inotify_event) std::array<char, 4096> buffer;
    std::vector<std::string> paths;
    bool overflowed = false;
    ssize_t length = 0;
    while ((length = ::read(m_fd, buffer.data(), buffer.size())) > 0) {
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
            overflowed = overflowed || (event->mask & IN_Q_OVERFLOW) != 0;
            if (event->len > 0 && std::string_view(event->name).starts_with("event"))
                paths.push_back(m_directory + "/" + event->name);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    if (overflowed)
        return std::nullopt;
    return paths;
}

std::vector<std::string> eventNodes(const std::string& directory)
{
    std::vector<std::string> nodes;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        if (entry.path().filename().string().starts_with("event"))
            nodes.push_back(entry.path().string());
    }
    // event2 before event10.
    std::ranges::sort(nodes, [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return nodes;
}

InputAccess inputAccess(const std::string& directory)
{
    bool refused = false;
    for (const std::string& node : eventNodes(directory)) {
        const int fd = ::open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            refused = refused || errno == EACCES || errno == EPERM;
            continue;
        }
        const auto kinds = deviceKinds(fd);
        ::close(fd);
        if (kinds && kinds->keyboard)
            return InputAccess::granted;
    }
    return refused ? InputAccess::denied : InputAccess::noDevices;
}

} // namespace kestrel::evdev
