#include "platform/evdev/EvdevEventTapService.h"
#include "platform/evdev/EvdevDevices.h"

#include "input/EventRecords.h"
#include "support/EventLoop.h"
#include "support/evdev/EvemuRecording.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdlib>
#include <fstream>

#include <xkbcommon/xkbcommon.h>

#include <array>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrel::evdev {
namespace {

using namespace std::chrono_literals;
using test::record;

constexpr std::uint64_t keyEvents = (1u << EventType::keyDown) | (1u << EventType::keyUp) |
                                    (1u << EventType::flagsChanged) | (1u << EventType::leftMouseDown);

// A FIFO that another program writes evdev records into, read as one more keyboard.
struct EvdevTaps : ::testing::Test {
    EvdevTaps()
    {
        fifo = directory.filePath("keys").toStdString();
        EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        options.seat.directory = directory.filePath("no-devices").toStdString();
        options.seat.streams = {fifo};
        options.seat.layout = {.rules = "evdev", .model = "pc105", .layout = "de"};
    }
    ~EvdevTaps() override
    {
        if (writer >= 0)
            ::close(writer);
    }

    void write(const std::vector<input_event>& events)
    {
        if (writer < 0)
            writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        ASSERT_GE(writer, 0);
        const auto bytes = test::asBytes(events);
        ASSERT_EQ(::write(writer, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // How many bytes written are still in the FIFO.
    int unread() const
    {
        int bytes = -1;
        return ::ioctl(writer, FIONREAD, &bytes) == 0 ? bytes : -1;
    }
    void tap(std::uint16_t code)
    {
        write({record(EV_KEY, code, 1), record(EV_SYN, SYN_REPORT, 0), record(EV_KEY, code, 0),
               record(EV_SYN, SYN_REPORT, 0)});
    }

    std::optional<EventTapService::TapId> listen(EvdevEventTapService& service)
    {
        const auto id = service.createTap(
            keyEvents, [this](std::uint32_t, const PlatformEvent& event) { received.push_back(event); });
        if (id)
            service.enable(*id, true);
        return id;
    }

    QTemporaryDir directory;
    std::string fifo;
    int writer = -1;
    EvdevEventTapService::Options options;
    std::vector<PlatformEvent> received;
};

TEST_F(EvdevTaps, KeysWrittenToAStreamReachTheTapsWithTheirText)
{
    EvdevEventTapService service(options);
    const auto id = listen(service);
    ASSERT_TRUE(id);
    write({record(EV_MSC, MSC_SCAN, 42), record(EV_KEY, KEY_LEFTSHIFT, 1), record(EV_SYN, SYN_REPORT, 0)});
    tap(KEY_3);
    ASSERT_TRUE(test::runEventLoopUntil([&] { return received.size() >= 3; }));
    EXPECT_EQ(received[0].type, EventType::flagsChanged);
    EXPECT_EQ(received[1].type, EventType::keyDown);
    EXPECT_EQ(received[1].layoutText, "§");
    EXPECT_EQ(received[1].flags, EventFlag::shift);
    EXPECT_EQ(received[2].type, EventType::keyUp);

    // The last tap closes the stream; the next opens it again, with nothing held.
    service.remove(*id);
    EXPECT_EQ(service.keyboard(), nullptr);
    received.clear();
    ASSERT_TRUE(listen(service));
    tap(KEY_Y);
    ASSERT_TRUE(test::runEventLoopUntil([&] { return received.size() >= 2; }));
    EXPECT_EQ(received[0].layoutText, "z");
    EXPECT_EQ(received[0].flags, 0u);
}

TEST_F(EvdevTaps, WhileFramesComeInputWaitsForTheNextFrame)
{
    EvdevEventTapService service(options);
    ASSERT_TRUE(listen(service));
    service.waitForFrames(true);
    tap(KEY_A);
    // A turn of the main loop reads whatever is ready to read, were it watched: the keys stay
    // in the FIFO.
    QCoreApplication::processEvents();
    EXPECT_GT(unread(), 0);
    EXPECT_TRUE(received.empty());
    service.deliverPending();
    EXPECT_EQ(received.size(), 2u);

    service.waitForFrames(false);
    tap(KEY_B);
    EXPECT_TRUE(test::runEventLoopUntil([&] { return received.size() == 4; }));
}

TEST_F(EvdevTaps, TheDesktopsKeymapAndLayoutSwitchesApplyButNotAVirtualKeyboards)
{
    EvdevEventTapService service(options); // German, from the system
    // A typing tool's keymap, holding only what it types.
    service.setKeymap(R"xkb(xkb_keymap {
        xkb_keycodes "(unnamed)" { minimum = 8; maximum = 255; <K1> = 9; };
        xkb_types "(unnamed)" { include "complete" };
        xkb_compatibility "(unnamed)" { include "complete" };
        xkb_symbols "(unnamed)" { key <K1> { [ k ] }; };
    };)xkb");
    // The desktop's: US and Russian, the second active.
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names{.rules = "evdev", .model = "pc105", .layout = "us,ru"};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    ASSERT_TRUE(keymap);
    char* text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const std::string desktops(text);
    std::free(text);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);

    ASSERT_TRUE(listen(service));
    tap(KEY_Y);
    ASSERT_TRUE(test::runEventLoopUntil([&] { return received.size() == 2; }));
    EXPECT_EQ(received[0].layoutText, "z") << "still the system's German";

    service.setActiveLayout(1);
    service.setKeymap(desktops);
    tap(KEY_Y);
    ASSERT_TRUE(test::runEventLoopUntil([&] { return received.size() == 4; }));
    EXPECT_EQ(received[2].layoutText, "н");
    service.setActiveLayout(0);
    tap(KEY_Y);
    ASSERT_TRUE(test::runEventLoopUntil([&] { return received.size() == 6; }));
    EXPECT_EQ(received[4].layoutText, "y");
}

TEST_F(EvdevTaps, WhileTheSessionIsLockedKeyDownsAreWithheld)
{
    bool locked = true;
    options.isTypingWithheld = [&] { return locked; };
    EvdevEventTapService service(options);
    ASSERT_TRUE(listen(service));
    write({record(EV_KEY, KEY_LEFTSHIFT, 1), record(EV_SYN, SYN_REPORT, 0)});
    tap(KEY_P);
    write({record(EV_KEY, KEY_LEFTSHIFT, 0), record(EV_SYN, SYN_REPORT, 0)});
    // Modifiers and releases still pass, so nothing stays held once the screen is unlocked.
    ASSERT_TRUE(test::runEventLoopUntil([&] { return received.size() == 3; }));
    EXPECT_EQ(received[0].type, EventType::flagsChanged);
    EXPECT_EQ(received[1].type, EventType::keyUp);
    EXPECT_EQ(received[2].type, EventType::flagsChanged);

    locked = false;
    tap(KEY_P);
    ASSERT_TRUE(test::runEventLoopUntil([&] { return received.size() == 5; }));
    EXPECT_EQ(received[3].type, EventType::keyDown);
    EXPECT_EQ(received[3].layoutText, "p");
}

TEST_F(EvdevTaps, WithoutAKeyboardToReadThereIsNoTap)
{
    // Files that are no input devices do not count, nor does a missing directory.
    const std::string devices = directory.filePath("devices").toStdString();
    ASSERT_EQ(::mkdir(devices.c_str(), 0700), 0);
    std::ofstream(devices + "/event0") << "not a device";
    options.seat.streams.clear();
    for (const std::string& where : {devices, options.seat.directory}) {
        options.seat.directory = where;
        EvdevEventTapService service(options);
        EXPECT_FALSE(listen(service)) << where;
        EXPECT_EQ(inputAccess(where), InputAccess::noDevices) << where;
    }

    // Nor does a keymap xkbcommon cannot build.
    options.seat.streams = {fifo};
    options.seat.keymap = "xkb_keymap { broken";
    EvdevEventTapService broken(options);
    EXPECT_FALSE(listen(broken));
}

// The privileged reader's output, attached by descriptor: what it says while no tap wants
// keys is dropped, never shown later; detached, what it held is let go.
TEST_F(EvdevTaps, AnAttachedStreamIsDroppedWhileUnwantedAndLetGoWhenDetached)
{
    std::array<int, 2> pipe{};
    ASSERT_EQ(::pipe2(pipe.data(), O_CLOEXEC | O_NONBLOCK), 0);
    const auto send = [&](const std::vector<input_event>& events) {
        const auto bytes = test::asBytes(events);
        ASSERT_EQ(::write(pipe[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    };
    const auto waiting = [&] {
        int count = 0;
        ::ioctl(pipe[0], FIONREAD, &count);
        return count;
    };
    EvdevEventTapService service(options);
    service.attachStream(pipe[0]);
    send({record(EV_KEY, KEY_A, 1), record(EV_SYN, SYN_REPORT, 0), record(EV_KEY, KEY_A, 0),
          record(EV_SYN, SYN_REPORT, 0)});
    ASSERT_TRUE(test::runEventLoopUntil([&] { return waiting() == 0; })) << "nothing read it while stopped";

    ASSERT_TRUE(listen(service));
    send({record(EV_KEY, KEY_B, 1), record(EV_SYN, SYN_REPORT, 0)});
    ASSERT_TRUE(test::runEventLoopUntil([&] { return !received.empty(); }));
    ASSERT_EQ(received.size(), 1u) << "A, typed while stopped, was kept";
    EXPECT_EQ(received[0].layoutText, "b");

    service.detachStream();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[1].type, EventType::keyUp);
    // Reading every device at once leaves a detached stream's records where they are.
    send({record(EV_KEY, KEY_C, 1), record(EV_SYN, SYN_REPORT, 0)});
    service.deliverPending();
    EXPECT_EQ(waiting(), static_cast<int>(2 * sizeof(input_event))) << "a detached stream was still read";
    EXPECT_EQ(received.size(), 2u);
    ::close(pipe[0]);
    ::close(pipe[1]);
}

} // namespace
} // namespace kestrel::evdev
