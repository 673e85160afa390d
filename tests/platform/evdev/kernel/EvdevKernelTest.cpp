// Runs inside a virtual machine with a real Linux kernel, where uinput devices type through
// the kernel's evdev into Kestrel's seat (see run-in-guest).

#include "platform/evdev/EvdevDevices.h"
#include "platform/evdev/EvdevSeat.h"
#include "platform/evdev/InputReaderProcess.h"
#include "platform/evdev/reader/Confinement.h"
#include "platform/evdev/reader/ReaderProtocol.h"

#include "input/EventRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <set>
#include <thread>

#include <array>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>

#include <fcntl.h>
#include <linux/uinput.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
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
        std::vector<int> lights;
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
        if (!capabilities.lights.empty())
            ::ioctl(m_fd, UI_SET_EVBIT, EV_LED);
        for (int light : capabilities.lights)
            ::ioctl(m_fd, UI_SET_LEDBIT, light);
        uinput_setup setup{};
        setup.id.bustype = BUS_VIRTUAL;
        setup.id.vendor = 0x4b45;
        setup.id.product = 0x5354;
        std::strncpy(setup.name, name, UINPUT_MAX_NAME_SIZE - 1);
        EXPECT_EQ(::ioctl(m_fd, UI_DEV_SETUP, &setup), 0);
        EXPECT_EQ(::ioctl(m_fd, UI_DEV_CREATE), 0);
        EXPECT_TRUE(awaitNode()) << name << " got no node in /dev/input";
    }
    ~VirtualDevice() { unplug(); }

    // The device's node in /dev/input.
    const std::string& node() const { return m_node; }

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
    // Lights the keyboard's light, as the desktop does (what the device is asked for).
    void light(int code)
    {
        emit(EV_LED, code, 1);
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
    // The kernel makes the device's node in /dev/input a moment after the device: waits (up
    // to three seconds) until it is there, as a reader would find it.
    bool awaitNode()
    {
        std::array<char, 64> sysname{};
        if (::ioctl(m_fd, UI_GET_SYSNAME(sysname.size()), sysname.data()) < 0)
            return false;
        const std::string folder = std::string("/sys/devices/virtual/input/") + sysname.data();
        const auto deadline = std::chrono::steady_clock::now() + 3s;
        while (std::chrono::steady_clock::now() < deadline) {
            for (const std::string& event : eventNodes(folder)) {
                const std::string node = "/dev/input/" + event.substr(event.rfind('/') + 1);
                if (::access(node.c_str(), F_OK) == 0) {
                    m_node = node;
                    return true;
                }
            }
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    int m_fd = -1;
    std::string m_node;
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
    explicit Seat(const std::string& layout) : Seat(EvdevSeat::Options{.layout = names(layout)}) {}
    explicit Seat(EvdevSeat::Options options)
    {
        seat = EvdevSeat::open(std::move(options), {.added = [this](int fd) { watched.insert(fd); },
                                                    .removed = [this](int fd) { watched.erase(fd); }});
        EXPECT_TRUE(seat) << "no keyboard in /dev/input";
    }
    static XkbKeyboard::Names names(const std::string& layout)
    {
        return {.rules = "evdev", .model = "pc105", .layout = layout};
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

TEST(EvdevKernel, KeysTypedOnAKernelKeyboardReachTheSeatWithTheirText)
{
    VirtualDevice keyboard("Kestrel test keyboard", {.keys = keyboardKeys()});
    VirtualDevice mouse("Kestrel test mouse", {.keys = {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE},
                                               .axes = {REL_X, REL_Y, REL_WHEEL, REL_WHEEL_HI_RES}});
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
    std::vector<pollfd> fds;
    for (int fd : seat.watched)
        fds.push_back({.fd = fd, .events = POLLIN, .revents = 0});
    EXPECT_EQ(::poll(fds.data(), fds.size(), 50), 0) << "a descriptor woke for pointer motion";
}

TEST(EvdevKernel, AKeyboardPluggedInLaterIsFollowedAndUnpluggingItReleasesWhatItHeld)
{
    VirtualDevice first("Kestrel first keyboard", {.keys = keyboardKeys()});
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

TEST(EvdevKernel, ANodeWhoseModeChangesIsNotOpenedASecondTime)
{
    VirtualDevice keyboard("Kestrel keyboard given a new mode", {.keys = keyboardKeys()});
    Seat seat("us");
    ASSERT_TRUE(seat.seat);
    const std::size_t devices = seat.seat->deviceCount();
    // udev gives a new node its group and mode a moment after it appears: the seat hears of
    // that change, and must not open the same keyboard again (it would show every key twice).
    ASSERT_EQ(::chmod(keyboard.node().c_str(), 0640), 0);
    ASSERT_EQ(::chmod(keyboard.node().c_str(), 0660), 0);
    keyboard.tap(KEY_A);
    ASSERT_TRUE(seat.pumpUntilCount(2));
    EXPECT_FALSE(seat.pumpUntil([&] { return seat.events.size() > 2; }, 500ms)) << "the key came twice";
    EXPECT_EQ(seat.seat->deviceCount(), devices);
}

TEST(EvdevKernel, AfterNoticesOfNewNodesWereLostEveryNodeIsLookedAtAgain)
{
    // A queue of one notice (for watches made meanwhile): two keyboards plugged in at once
    // overflow it.
    int queuedEventsBefore = 0;
    std::ifstream("/proc/sys/fs/inotify/max_queued_events") >> queuedEventsBefore;
    ASSERT_GT(queuedEventsBefore, 0);
    std::ofstream("/proc/sys/fs/inotify/max_queued_events") << 1;
    Seat seat("us");
    std::ofstream("/proc/sys/fs/inotify/max_queued_events") << queuedEventsBefore;
    ASSERT_TRUE(seat.seat);
    const std::size_t devices = seat.seat->deviceCount();

    VirtualDevice first("Kestrel first of two keyboards", {.keys = keyboardKeys()});
    VirtualDevice second("Kestrel second of two keyboards", {.keys = keyboardKeys()});
    ASSERT_TRUE(seat.pumpUntil([&] { return seat.seat->deviceCount() == devices + 2; }))
        << "a keyboard whose notice was lost was not found";
    second.tap(KEY_B);
    ASSERT_TRUE(seat.pumpUntilCount(1));
    EXPECT_EQ(seat.events[0].layoutText, "b");
}

TEST(EvdevKernel, CapsLockAlreadyOnWhenListeningStartsIsTurnedOffByTheFirstPress)
{
    VirtualDevice keyboard("Kestrel lit keyboard", {.keys = keyboardKeys(), .lights = {LED_CAPSL}});
    keyboard.light(LED_CAPSL);
    Seat seat("us");
    ASSERT_TRUE(seat.seat);
    keyboard.tap(KEY_A);
    ASSERT_TRUE(seat.pumpUntilCount(1));
    EXPECT_EQ(seat.events[0].flags & EventFlag::capsLock, EventFlag::capsLock) << "typed with Caps Lock on";
    keyboard.tap(KEY_CAPSLOCK);
    ASSERT_TRUE(seat.pumpUntil([&] {
        return std::ranges::any_of(seat.events,
                                   [](const PlatformEvent& event) { return event.type == EventType::flagsChanged; });
    }));
    const auto press = std::ranges::find_if(
        seat.events, [](const PlatformEvent& event) { return event.type == EventType::flagsChanged; });
    EXPECT_EQ(press->flags & EventFlag::capsLock, 0u) << "the first press turns it off";
    // The next turns it on again, here and for the console, which counts the presses too and
    // lights every keyboard after them: the tests after this one start with it off.
    seat.events.clear();
    keyboard.tap(KEY_CAPSLOCK);
    ASSERT_TRUE(seat.pumpUntilCount(1));
    EXPECT_EQ(seat.events[0].flags & EventFlag::capsLock, EventFlag::capsLock);
}

TEST(EvdevKernel, HeldKeysRepeatAsTheKernelRepeatsThem)
{
    VirtualDevice keyboard("Kestrel repeating keyboard", {.keys = keyboardKeys(), .repeats = true});
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

// kestrel-input-reader, set-user-ID root in the guest as pkexec would run it, started by an
// ordinary user (Kestrel) through Kestrel's own launcher, joined by a pipe.
namespace reading {

constexpr const char* readerProgram = "/bin/kestrel-input-reader";
constexpr uid_t nobody = 65534;

// What the Kestrel side tells the test, one line at a time.
struct Lines {
    explicit Lines(int fd) : fd(fd) {}
    // The next line, waiting for it up to `timeout`.
    std::optional<std::string> next(std::chrono::milliseconds timeout = 10s)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            if (const auto end = buffer.find('\n'); end != std::string::npos) {
                std::string line = buffer.substr(0, end);
                buffer.erase(0, end + 1);
                return line;
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd ready{fd, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&ready, 1, static_cast<int>(left.count())) <= 0)
                return std::nullopt;
            std::array<char, 256> bytes{};
            const ssize_t count = ::read(fd, bytes.data(), bytes.size());
            if (count <= 0)
                return std::nullopt;
            buffer.append(bytes.data(), static_cast<std::size_t>(count));
        }
    }
    int fd;
    std::string buffer;
};

// Kestrel's side, in a child process that becomes an ordinary user: starts the reader, says
// its process id, then tells every text typed, until told to quit (or killed).
[[noreturn]] void runKestrel(int report, int control)
{
    const auto say = [report](const std::string& line) {
        const std::string text = line + "\n";
        (void)!::write(report, text.data(), text.size());
    };
    if (::setresgid(nobody, nobody, nobody) != 0 || ::setresuid(nobody, nobody, nobody) != 0)
        say("cannot become nobody"), ::_exit(1);
    if (inputAccess("/dev/input") != InputAccess::denied)
        say("nobody may read the devices"), ::_exit(1);
    std::string why;
    const auto reader = InputReaderProcess::start({readerProgram}, why);
    if (!reader)
        say(why), ::_exit(1);
    pollfd output{reader->output(), POLLIN, 0};
    while (reader->takeReady() == InputReaderProcess::Readiness::waiting && ::poll(&output, 1, 10000) > 0) {}
    if (!reader->isReading())
        say("the reader did not start"), ::_exit(1);
    say("reader " + std::to_string(reader->pid()));
    Seat seat(EvdevSeat::Options{
        .directory = "/nonexistent", .streamDescriptors = {reader->output()}, .layout = Seat::names("us")});
    seat.watched.insert(control);
    for (;;) {
        seat.events.clear();
        std::vector<pollfd> fds;
        for (int fd : seat.watched)
            fds.push_back({.fd = fd, .events = POLLIN, .revents = 0});
        if (::poll(fds.data(), fds.size(), -1) < 0)
            continue;
        for (const pollfd& ready : fds) {
            if (ready.revents == 0)
                continue;
            if (ready.fd == control) {
                char command = 0;
                if (::read(control, &command, 1) != 1 || command == 'q')
                    ::_exit(0); // Kestrel quits, its reader object never destroyed
                // 'h': a program Kestrel started keeps copies of every descriptor, the
                // reader's pipes among them.
                const pid_t holder = ::fork();
                if (holder == 0) {
                    for (;;)
                        ::pause();
                }
                say("holder " + std::to_string(holder));
                continue;
            }
            seat.seat->read(ready.fd, seat.events);
        }
        for (const PlatformEvent& event : seat.events) {
            if (event.type == EventType::keyDown)
                say("typed " + event.layoutText.value_or(""));
            else if (event.type == EventType::keyUp)
                say("released");
            else if (event.type == EventType::flagsChanged)
                say((event.flags & EventFlag::capsLock) != 0 ? "caps lock on" : "caps lock off");
        }
    }
}

// Whether the process has gone within `timeout` (the test is its reaper once Kestrel's side
// has gone).
bool goneWithin(pid_t pid, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid || ::kill(pid, 0) != 0)
            return true;
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

// The processor time `pid` has taken: utime and stime, the 14th and 15th fields of its stat.
long cpuMilliseconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    const std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    const std::vector<std::string> values((std::istream_iterator<std::string>(fields)),
                                          std::istream_iterator<std::string>());
    if (values.size() < 13)
        return -1;
    return (std::stol(values[11]) + std::stol(values[12])) * 1000 / ::sysconf(_SC_CLK_TCK);
}

std::string statusLine(pid_t pid, const std::string& name)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(name + ":"))
            return line;
    }
    return {};
}

struct KestrelWithReader {
    KestrelWithReader()
    {
        // Orphans come to the test, so a reader left behind is seen (and reaped).
        ::prctl(PR_SET_CHILD_SUBREAPER, 1);
        std::array<int, 2> reportPipe{};
        std::array<int, 2> controlPipe{};
        EXPECT_EQ(::pipe2(reportPipe.data(), O_CLOEXEC), 0);
        EXPECT_EQ(::pipe2(controlPipe.data(), O_CLOEXEC), 0);
        kestrel = ::fork();
        if (kestrel == 0) {
            ::close(reportPipe[0]);
            ::close(controlPipe[1]);
            runKestrel(reportPipe[1], controlPipe[0]);
        }
        ::close(reportPipe[1]);
        ::close(controlPipe[0]);
        report = reportPipe[0];
        control = controlPipe[1];
        lines.fd = report;
        const auto first = lines.next();
        EXPECT_TRUE(first && first->starts_with("reader ")) << first.value_or("nothing said");
        if (first && first->starts_with("reader "))
            reader = std::stoi(first->substr(7));
    }
    ~KestrelWithReader()
    {
        ::kill(kestrel, SIGKILL);
        ::waitpid(kestrel, nullptr, 0);
        ::close(report);
        ::close(control);
    }
    // The next line that starts with `start`, passing over the others.
    std::optional<std::string> nextStartingWith(const std::string& start)
    {
        std::optional<std::string> line;
        while ((line = lines.next()) && !line->starts_with(start)) {}
        return line;
    }
    // Types `key` on `keyboard` until Kestrel tells it typed `text`: a keyboard just plugged
    // in is read from the moment the reader has opened it.
    bool typeUntilShown(VirtualDevice& keyboard, int key, const std::string& text)
    {
        for (int attempt = 0; attempt < 50; ++attempt) {
            keyboard.tap(key);
            while (const auto line = lines.next(200ms)) {
                if (*line == "typed " + text)
                    return true;
            }
        }
        return false;
    }

    pid_t kestrel = -1;
    pid_t reader = -1;
    int report = -1;
    int control = -1;
    Lines lines{-1};
};

} // namespace reading

TEST(ReaderKernel, KestrelAsAUserShowsWhatIsTypedThroughTheConfinedReader)
{
    VirtualDevice keyboard("Kestrel reader keyboard", {.keys = keyboardKeys()});
    reading::KestrelWithReader kestrel;
    ASSERT_GT(kestrel.reader, 0);
    // Root, confined by its filter from the start, and never grabbing a device.
    std::istringstream ids(reading::statusLine(kestrel.reader, "Uid").substr(4));
    uid_t real = 0;
    uid_t effective = 1;
    ids >> real >> effective;
    EXPECT_EQ(effective, 0u) << reading::statusLine(kestrel.reader, "Uid");
    EXPECT_EQ(reading::statusLine(kestrel.reader, "Seccomp"), "Seccomp:\t2");
    EXPECT_EQ(reading::statusLine(kestrel.reader, "NoNewPrivs"), "NoNewPrivs:\t1");

    for (const int key : {KEY_H, KEY_E, KEY_L, KEY_L, KEY_O}) {
        keyboard.tap(key);
    }
    std::string typed;
    while (typed.size() < 5) {
        const auto line = kestrel.lines.next();
        ASSERT_TRUE(line) << "Kestrel showed only \"" << typed << "\"";
        if (line->starts_with("typed "))
            typed += line->substr(6);
    }
    EXPECT_EQ(typed, "hello");

    // A keyboard plugged in later is read too, and what it held is let go when it goes.
    VirtualDevice later("Kestrel later keyboard", {.keys = keyboardKeys()});
    EXPECT_TRUE(kestrel.typeUntilShown(later, KEY_Q, "q"));
    later.key(KEY_Z, 1);
    std::optional<std::string> line;
    while ((line = kestrel.lines.next()) && *line != "typed z") {}
    ASSERT_TRUE(line) << "Z held on the later keyboard did not show";
    later.unplug();
    EXPECT_EQ(kestrel.lines.next().value_or("nothing"), "released") << "the unplugged keyboard's Z stayed held";

    // Kestrel quits: the reader goes within a second, nobody left to read keys.
    ASSERT_EQ(::write(kestrel.control, "q", 1), 1);
    ASSERT_EQ(::waitpid(kestrel.kestrel, nullptr, 0), kestrel.kestrel);
    EXPECT_TRUE(reading::goneWithin(kestrel.reader, 1s)) << "the reader outlived Kestrel";
}

TEST(ReaderKernel, AKilledKestrelTakesItsReaderWithItEvenWhileItsPipesStayOpen)
{
    VirtualDevice keyboard("Kestrel reader keyboard", {.keys = keyboardKeys()});
    reading::KestrelWithReader kestrel;
    ASSERT_GT(kestrel.reader, 0);
    ASSERT_TRUE(kestrel.typeUntilShown(keyboard, KEY_K, "k"));
    // Another process holds the pipes, so only Kestrel's own end tells the reader.
    ASSERT_EQ(::write(kestrel.control, "h", 1), 1);
    const auto held = kestrel.nextStartingWith("holder ");
    ASSERT_TRUE(held) << "no holder started";
    const pid_t holder = std::stoi(held->substr(7));
    ::kill(kestrel.kestrel, SIGKILL);
    ASSERT_EQ(::waitpid(kestrel.kestrel, nullptr, 0), kestrel.kestrel);
    EXPECT_TRUE(reading::goneWithin(kestrel.reader, 1s)) << "the reader outlived Kestrel";
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
}

TEST(ReaderKernel, ItsCostWhileTyping)
{
    VirtualDevice keyboard("Kestrel reader keyboard", {.keys = keyboardKeys()});
    reading::KestrelWithReader kestrel;
    ASSERT_GT(kestrel.reader, 0);
    constexpr int keys = 1000;
    for (int typed = 0; typed < keys; ++typed) {
        keyboard.tap(KEY_A);
        ASSERT_EQ(kestrel.lines.next().value_or("nothing"), "typed a") << "key " << typed;
        ASSERT_EQ(kestrel.lines.next().value_or("nothing"), "released") << "key " << typed;
    }
    const long milliseconds = reading::cpuMilliseconds(kestrel.reader);
    const std::string peak = reading::statusLine(kestrel.reader, "VmHWM");
    std::cout << "reader: " << milliseconds << " ms of CPU for " << keys << " keys (emulated, without KVM); " << peak
              << "; Landlock " << (reader::kernelConfinesFiles() ? "on" : "not in this kernel") << std::endl;
    // Nothing typed, nothing done: a reader that spins on a descriptor would take the half
    // second whole.
    std::this_thread::sleep_for(500ms);
    EXPECT_LT(reading::cpuMilliseconds(kestrel.reader) - milliseconds, 50) << "the reader works while idle";
    // A few pages of its own beside the C++ library: far below Kestrel's tens of MiB.
    ASSERT_FALSE(peak.empty());
    EXPECT_LT(std::stol(peak.substr(6)), 8 * 1024) << peak;
}

TEST(ReaderKernel, CapsLockAlreadyOnReachesKestrelThroughTheReader)
{
    VirtualDevice keyboard("Kestrel lit reader keyboard", {.keys = keyboardKeys(), .lights = {LED_CAPSL}});
    keyboard.light(LED_CAPSL);
    reading::KestrelWithReader kestrel;
    ASSERT_GT(kestrel.reader, 0);
    ASSERT_TRUE(kestrel.typeUntilShown(keyboard, KEY_K, "k"));
    keyboard.tap(KEY_CAPSLOCK);
    EXPECT_EQ(kestrel.nextStartingWith("caps lock").value_or("nothing"), "caps lock off");
    keyboard.tap(KEY_CAPSLOCK);
    EXPECT_EQ(kestrel.nextStartingWith("caps lock").value_or("nothing"), "caps lock on");
}

TEST(ReaderKernel, TheReaderRefusesAFileAsItsOutput)
{
    VirtualDevice keyboard("Kestrel reader keyboard", {.keys = keyboardKeys()});
    const int status = std::system((std::string(reading::readerProgram) + " > /tmp/keys.log 2>/tmp/why").c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(reader::ExitStatus::outputRefused));
    struct stat log {};
    ASSERT_EQ(::stat("/tmp/keys.log", &log), 0);
    EXPECT_EQ(log.st_size, 0);
}

} // namespace
} // namespace kestrel::evdev
