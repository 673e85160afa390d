#include "platform/evdev/EvdevReader.h"

#include "support/evdev/EvemuRecording.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace kestrel::evdev {

bool operator==(const DeviceEvent& a, const DeviceEvent& b)
{
    return a.kind == b.kind && a.code == b.code && a.action == b.action && a.steps == b.steps &&
           a.horizontal == b.horizontal;
}

std::ostream& operator<<(std::ostream& out, const DeviceEvent& event)
{
    if (event.kind == DeviceEvent::Kind::wheel)
        return out << (event.horizontal ? "hwheel " : "wheel ") << event.steps;
    return out << "key " << event.code << " " << static_cast<int>(event.action);
}

namespace {

using test::asBytes;
using test::EventPipe;
using test::readEvemuRecording;
using test::record;

std::string recording(const char* name)
{
    return std::string(KESTREL_EVDEV_RECORDINGS) + "/" + name;
}

DeviceEvent press(std::uint16_t code)
{
    return {.code = code, .action = KeyAction::press};
}
DeviceEvent release(std::uint16_t code)
{
    return {.code = code, .action = KeyAction::release};
}
DeviceEvent repeat(std::uint16_t code)
{
    return {.code = code, .action = KeyAction::repeat};
}
DeviceEvent wheel(int steps, bool horizontal = false)
{
    return {.kind = DeviceEvent::Kind::wheel, .steps = steps, .horizontal = horizontal};
}

input_event key(std::uint16_t code, std::int32_t value)
{
    return record(EV_KEY, code, value);
}
input_event report()
{
    return record(EV_SYN, SYN_REPORT, 0);
}
input_event dropped()
{
    return record(EV_SYN, SYN_DROPPED, 0);
}

// Writes the stream into a pipe `chunk` bytes at a time, reading after each write, as a
// reader woken by its socket notifier would.
std::vector<DeviceEvent> throughPipe(EvdevReader& reader, const std::vector<input_event>& events, std::size_t chunk)
{
    const std::vector<std::byte> bytes = asBytes(events);
    EventPipe pipe;
    std::vector<DeviceEvent> out;
    for (std::size_t at = 0; at < bytes.size(); at += chunk) {
        pipe.write(bytes.data() + at, std::min(chunk, bytes.size() - at));
        EXPECT_EQ(reader.readFrom(pipe.readEnd(), out), EvdevReader::Status::open);
    }
    return out;
}

TEST(EvdevReader, ARecordingReadsTheSameWholeInChunksAndByteByByte)
{
    const auto events = readEvemuRecording(recording("typing-hello.evemu"));
    ASSERT_FALSE(events.empty());
    const std::vector<DeviceEvent> expected{
        press(KEY_LEFTSHIFT),
        press(KEY_H),
        release(KEY_H),
        release(KEY_LEFTSHIFT),
        press(KEY_E),
        repeat(KEY_E),
        repeat(KEY_E),
        release(KEY_E),
        // the release of L that was never pressed is dropped
        press(KEY_L),
        release(KEY_L),
        press(KEY_L),
        repeat(KEY_L), // pressed again while down
        release(KEY_L),
        press(KEY_O),
        release(KEY_O),
    };
    for (std::size_t chunk : {asBytes(events).size(), std::size_t{7}, std::size_t{1}}) {
        EvdevReader reader;
        EXPECT_EQ(throughPipe(reader, events, chunk), expected) << "written " << chunk << " bytes at a time";
    }
}

TEST(EvdevReader, EventsCountOnlyOnceTheirFrameIsReported)
{
    EvdevReader reader;
    std::vector<DeviceEvent> out;
    const auto first = asBytes({key(KEY_A, 1), key(KEY_B, 1)});
    reader.feed(first, out);
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(reader.isHeld(KEY_A));
    const auto rest = asBytes({report()});
    reader.feed(rest, out);
    EXPECT_EQ(out, (std::vector{press(KEY_A), press(KEY_B)}));
}

TEST(EvdevReader, AfterDroppedEventsTheDeviceIsAskedWhatItHolds)
{
    KeyBits device;
    EvdevReader reader([&] { return std::optional(device); });
    std::vector<DeviceEvent> out;
    reader.feed(asBytes({key(KEY_A, 1), key(KEY_B, 1), report()}), out);
    out.clear();

    // The buffer overran: B went up and C went down meanwhile. Events up to the next report
    // are incomplete, even the press of D in them.
    device.set(KEY_A);
    device.set(KEY_C);
    reader.feed(asBytes({dropped(), key(KEY_D, 1), key(KEY_B, 0), report()}), out);
    EXPECT_EQ(out, (std::vector{release(KEY_B), press(KEY_C)}));
    EXPECT_TRUE(reader.isHeld(KEY_A));
    EXPECT_FALSE(reader.isHeld(KEY_D));

    // Afterwards frames count again.
    out.clear();
    reader.feed(asBytes({key(KEY_A, 0), report()}), out);
    EXPECT_EQ(out, std::vector{release(KEY_A)});
}

TEST(EvdevReader, WithoutAnAnswerAResynchronisationLetsGoOfEverything)
{
    EvdevReader reader; // a pipe: nothing to ask
    std::vector<DeviceEvent> out;
    reader.feed(asBytes({key(KEY_LEFTCTRL, 1), key(KEY_A, 1), report(), dropped(), report()}), out);
    EXPECT_EQ(out, (std::vector{press(KEY_LEFTCTRL), press(KEY_A), release(KEY_LEFTCTRL), release(KEY_A)}));
}

TEST(EvdevReader, AnUnpluggedDeviceReleasesWhatItHeld)
{
    KeyBits device;
    device.set(KEY_LEFTSHIFT);
    EvdevReader reader([&] { return std::optional(device); });
    EXPECT_EQ(reader.adoptHeld(), std::vector<std::uint16_t>{KEY_LEFTSHIFT});

    EventPipe pipe;
    const auto bytes = asBytes({key(KEY_A, 1), report(), key(KEY_B, 1)}); // B's frame never ends
    pipe.write(bytes.data(), bytes.size());
    std::vector<DeviceEvent> out;
    EXPECT_EQ(reader.readFrom(pipe.readEnd(), out), EvdevReader::Status::open);
    EXPECT_EQ(out, std::vector{press(KEY_A)});

    out.clear();
    pipe.closeWriteEnd();
    EXPECT_EQ(reader.readFrom(pipe.readEnd(), out), EvdevReader::Status::closed);
    EXPECT_EQ(out, (std::vector{release(KEY_A), release(KEY_LEFTSHIFT)}));
    EXPECT_FALSE(reader.isHeld(KEY_A));
}

TEST(EvdevReader, WheelsGiveWholeStepsAndFineMovementIsSummed)
{
    const auto events = readEvemuRecording(recording("mouse-wheel.evemu"));
    EvdevReader reader;
    const std::vector<DeviceEvent> expected{
        press(BTN_LEFT), release(BTN_LEFT), press(BTN_SIDE), release(BTN_SIDE),
        wheel(1),        // three fine movements of 40 make one step; the kernel's own step is not a second
        wheel(-1),       // 100 up, then 3 × 40 down: turning back starts the step afresh
        wheel(-2, true), // 240 to the left
    };
    EXPECT_EQ(throughPipe(reader, events, 7), expected);

    // A wheel without fine movement reports whole steps.
    std::vector<DeviceEvent> out;
    reader.feed(asBytes({record(EV_REL, REL_WHEEL, -3), report(), record(EV_REL, REL_HWHEEL, 1), report()}), out);
    EXPECT_EQ(out, (std::vector{wheel(-3), wheel(1, true)}));
}

TEST(EvdevReader, ADeviceClaimingTheImpossibleIsTakenAtWhatIsPossible)
{
    // A wheel said to turn a billion steps in one frame.
    EvdevReader reader;
    std::vector<DeviceEvent> out;
    reader.feed(asBytes({record(EV_REL, REL_WHEEL, 1'000'000'000), record(EV_REL, REL_WHEEL, 2'000'000'000), report()}),
                out);
    EXPECT_EQ(out, std::vector{wheel(maximumWheelSteps)});

    // Events that never end their frame: dropped, then the device's state counts.
    out.clear();
    reader.feed(asBytes({key(KEY_A, 1), report()}), out);
    std::vector<input_event> endless(5000, key(KEY_B, 1));
    endless.push_back(report());
    reader.feed(asBytes(endless), out);
    EXPECT_EQ(out, (std::vector{press(KEY_A), release(KEY_A)})) << "nothing to ask: everything let go";
    EXPECT_FALSE(reader.isHeld(KEY_B));
}

} // namespace
} // namespace kestrel::evdev
