// Runs inside a virtual machine with a real Linux kernel, where uinput devices type through
// the kernel's evdev into Kestrel's seat (see run-in-guest).

#include "platform/evdev/EvdevDevices.h"
#include "platform/evdev/EvdevSeat.h"

#include "input/EventRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <set>
#include <thread>

#include <fcntl.h>
#include <linux/uinput.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace kestrel::evdev {
namespace {

using namespace std::chrono_literals;

// A keyboard or mouse made through /dev/uinput, which the kernel shows in /dev/input like a
// real one.
class VirtualDevice {
public:
    struct Capabilities {
        std::vector<int> keys;
        std::vector<int> axes; // relative
        bool repeats = false;
    };

    VirtualDevice(const char* name, const Capabilities& capabilities)
    {
        m_fd = ::open("/dev/uinput", O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        EXPECT_GE(m_fd, 0) << "/dev/uinput: " << std::strerror(errno);
        if (m_fd < 0)
            return;
        ::ioctl(m_fd, UI_SET_EVBIT, EV_KEY);
        ::ioctl(m_fd, UI_SET_EVBIT, EV_SYN);
        if (capabilities.repeats)
            ::ioctl(m_fd, UI_SET_EVBIT, EV_REP);
        for (int key : capabilities.keys)
            ::ioctl(m_fd, UI_SET_KEYBIT, key);
        if (!capabilities.axes.empty())
            ::ioctl(m_fd, UI_SET_EVBIT, EV_REL);
        for (int axis : capabilities.axes)
            ::ioctl(m_fd, UI_SET_RELBIT, axis);
        uinput_setup setup{};
        setup.id.bustype = BUS_VIRTUAL;
        setup.id.vendor = 0x4b45;
        setup.id.product = 0x5354;
        std::strncpy(setup.name, name, UINPUT_MAX_NAME_SIZE - 1);
        EXPECT_EQ(::ioctl(m_fd, UI_DEV_SETUP, &setup), 0);
        EXPECT_EQ(::ioctl(m_fd, UI_DEV_CREATE), 0);
    }
    ~VirtualDevice() { unplug(); }

    void emit(int type, int code, int value)
    {
        input_event event{};
        event.type = static_cast<std::uint16_t>(type);
        event.code = static_cast<std::uint16_t>(code);
        event.value = value;
        ASSERT_EQ(::write(m_fd, &event, sizeof(event)), static_cast<ssize_t>(sizeof(event)));
    }
    void key(int code, int value)
    {
        emit(EV_KEY, code, value);
        emit(EV_SYN, SYN_REPORT, 0);
    }
    void tap(int code)
    {
        key(code, 1);
        key(code, 0);
    }
    void unplug()
    {
        if (m_fd < 0)
            return;
        ::ioctl(m_fd, UI_DEV_DESTROY);
        ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd = -1;
};

std::vector<int> keyboardKeys()
{
    std::vector<int> keys;
    for (int key = KEY_ESC; key <= KEY_COMPOSE; ++key)
        keys.push_back(key);
    return keys;
}

// A seat driven by poll(), as the main loop drives it in Kestrel.
struct Seat {
    explicit Seat(const std::string& layout)
    {
        seat = EvdevSeat::open(
            {.layout = {.rules = "evdev", .model = "pc105", .layout = layout}},
            {.added = [this](int fd) { watched.insert(fd); }, .removed = [this](int fd) { watched.erase(fd); }});
        EXPECT_TRUE(seat) << "no keyboard in /dev/input";
    }

    // Reads until `done` holds for what came, or `timeout` passes.
    template <typename Done>
    bool pumpUntil(Done done, std::chrono::milliseconds timeout = 3s)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (!done()) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return false;
            std::vector<pollfd> fds;
            for (int fd : watched)
                fds.push_back({.fd = fd, .events = POLLIN, .revents = 0});
            if (::poll(fds.data(), fds.size(), static_cast<int>(left.count())) <= 0)
                continue;
            for (const pollfd& ready : fds) {
                if (ready.revents != 0)
                    seat->read(ready.fd, events);
            }
        }
        return true;
    }
    bool pumpUntilCount(std::size_t count)
    {
        return pumpUntil([&] { return events.size() >= count; });
    }

    std::set<int> watched;
    std::vector<PlatformEvent> events;
    std::unique_ptr<EvdevSeat> seat; // last: it tells `watched` what it closes
};

// The kernel makes the node a moment after the device; the tests wait for it.
void settle()
{
    std::this_thread::sleep_for(200ms);
}

TEST(EvdevKernel, KeysTypedOnAKernelKeyboardReachTheSeatWithTheirText)
{
    VirtualDevice keyboard("Kestrel test keyboard", {.keys = keyboardKeys()});
    VirtualDevice mouse("Kestrel test mouse", {.keys = {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE},
                                               .axes = {REL_X, REL_Y, REL_WHEEL, REL_WHEEL_HI_RES}});
    settle();
    EXPECT_EQ(inputAccess("/dev/input"), InputAccess::granted);
    Seat seat("de");
    ASSERT_TRUE(seat.seat);
    EXPECT_GE(seat.seat->deviceCount(), 2u); // and the virtual machine's own keyboard

    keyboard.key(KEY_LEFTSHIFT, 1);
    keyboard.tap(KEY_3);
    keyboard.key(KEY_LEFTSHIFT, 0);
    keyboard.tap(KEY_Y);
    ASSERT_TRUE(seat.pumpUntilCount(6));
    EXPECT_EQ(seat.events[0].type, EventType::flagsChanged);
    EXPECT_EQ(seat.events[1].layoutText, "§");
    EXPECT_EQ(seat.events[1].flags, EventFlag::shift);
    EXPECT_EQ(seat.events[2].type, EventType::keyUp);
    EXPECT_EQ(seat.events[4].layoutText, "z");

    seat.events.clear();
    mouse.key(BTN_LEFT, 1);
    mouse.key(BTN_LEFT, 0);
    mouse.emit(EV_REL, REL_WHEEL_HI_RES, 120);
    mouse.emit(EV_REL, REL_WHEEL, 1);
    mouse.emit(EV_SYN, SYN_REPORT, 0);
    ASSERT_TRUE(seat.pumpUntilCount(3));
    EXPECT_EQ(seat.events[0].type, EventType::leftMouseDown);
    EXPECT_EQ(seat.events[1].type, EventType::leftMouseUp);
    EXPECT_EQ(seat.events[2].type, EventType::scrollWheel);
    EXPECT_EQ(seat.events[2].scrollDeltaAxis1, 1.0);
    EXPECT_FALSE(seat.pumpUntil([&] { return seat.events.size() > 3; }, 300ms)) << "one notch is one step";

    // Moving the mouse wakes nobody: the kernel keeps motion to itself.
    for (int i = 0; i < 200; ++i) {
        mouse.emit(EV_REL, REL_X, 3);
        mouse.emit(EV_REL, REL_Y, -2);
        mouse.emit(EV_SYN, SYN_REPORT, 0);
    }
    std::this_thread::sleep_for(50ms);
    std::vector<pollfd> fds;
    for (int fd : seat.watched)
        fds.push_back({.fd = fd, .events = POLLIN, .revents = 0});
    EXPECT_EQ(::poll(fds.data(), fds.size(), 0), 0) << "a descriptor woke for pointer motion";
}

TEST(EvdevKernel, AKeyboardPluggedInLaterIsFollowedAndUnpluggingItReleasesWhatItHeld)
{
    VirtualDevice first("Kestrel first keyboard", {.keys = keyboardKeys()});
    settle();
    Seat seat("us");
    ASSERT_TRUE(seat.seat);
    const std::size_t before = seat.seat->deviceCount();

    VirtualDevice second("Kestrel second keyboard", {.keys = keyboardKeys()});
    ASSERT_TRUE(seat.pumpUntil([&] { return seat.seat->deviceCount() == before + 1; }))
        << "the new keyboard's node was not noticed";
    second.key(KEY_LEFTCTRL, 1);
    second.key(KEY_K, 1);
    ASSERT_TRUE(seat.pumpUntilCount(2));
    EXPECT_EQ(seat.events[1].flags, EventFlag::control);

    second.unplug();
    ASSERT_TRUE(seat.pumpUntilCount(4));
    const std::vector<PlatformEvent> released(seat.events.begin() + 2, seat.events.end());
    EXPECT_TRUE(
        std::ranges::any_of(released, [](const PlatformEvent& event) { return event.type == EventType::keyUp; }));
    EXPECT_EQ(released.back().flags, 0u);
    EXPECT_EQ(seat.seat->deviceCount(), before);
}

TEST(EvdevKernel, HeldKeysRepeatAsTheKernelRepeatsThem)
{
    VirtualDevice keyboard("Kestrel repeating keyboard", {.keys = keyboardKeys(), .repeats = true});
    settle();
    Seat seat("us");
    ASSERT_TRUE(seat.seat);
    keyboard.key(KEY_J, 1);
    std::this_thread::sleep_for(400ms); // the kernel's delay is 250 ms, then every 33 ms
    keyboard.key(KEY_J, 0);
    ASSERT_TRUE(seat.pumpUntil([&] { return !seat.events.empty() && seat.events.back().type == EventType::keyUp; }));
    int repeats = 0;
    for (const PlatformEvent& event : seat.events)
        repeats += event.type == EventType::keyDown && event.autorepeat == 1;
    EXPECT_GE(repeats, 2);
    EXPECT_EQ(seat.events.front().autorepeat, 0);
}

TEST(EvdevKernel, AfterTheKernelDroppedEventsTheSeatHoldsExactlyWhatIsDown)
{
    VirtualDevice keyboard("Kestrel flooding keyboard", {.keys = keyboardKeys()});
    settle();
    Seat seat("us");
    ASSERT_TRUE(seat.seat);
    // Far more than the kernel keeps for a reader that does not read: it drops the oldest,
    // among them B going up and Alt going down.
    keyboard.key(KEY_B, 1);
    for (int i = 0; i < 100; ++i)
        keyboard.tap(KEY_A);
    keyboard.key(KEY_B, 0);
    keyboard.key(KEY_LEFTALT, 1);
    for (int i = 0; i < 900; ++i)
        keyboard.tap(KEY_A);
    std::this_thread::sleep_for(100ms);
    seat.pumpUntil([] { return false; }, 300ms);
    seat.events.clear();
    keyboard.tap(KEY_C);
    ASSERT_TRUE(seat.pumpUntilCount(2));
    EXPECT_EQ(seat.events[0].type, EventType::keyDown);
    EXPECT_EQ(seat.events[0].flags, EventFlag::option) << "Alt went down after the overrun";
    EXPECT_EQ(seat.events[0].autorepeat, 0);
    // Neither A nor B is held any more: a new press of either is not a repeat.
    seat.events.clear();
    keyboard.tap(KEY_A);
    keyboard.tap(KEY_B);
    ASSERT_TRUE(seat.pumpUntilCount(4));
    EXPECT_EQ(seat.events[0].autorepeat, 0);
    EXPECT_EQ(seat.events[2].autorepeat, 0);
}

} // namespace
} // namespace kestrel::evdev
