#include "platform/evdev/EvdevDevices.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <filesystem>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
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
