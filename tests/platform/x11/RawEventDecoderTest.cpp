#include "platform/x11/RawEventDecoder.h"
#include "platform/x11/X11Keyboard.h"

#include "input/EventRecords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace kestrel::x11 {
namespace {

constexpr std::uint8_t xkbFirstEvent = 85;
constexpr std::uint8_t inputOpcode = 131;

// Events as xcb hands them out, made up here: a server can send anything.
class RawEventDecoderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(keyboard) << "no US keymap (xkb-data)"; }

    std::vector<std::uint8_t> raw(std::uint16_t type, std::uint32_t detail) const
    {
        xcb_input_raw_key_press_event_t event{};
        event.response_type = XCB_GE_GENERIC;
        event.extension = inputOpcode;
        event.event_type = type;
        event.detail = detail;
        std::vector<std::uint8_t> bytes(sizeof event);
        std::memcpy(bytes.data(), &event, sizeof event);
        return bytes;
    }
    std::vector<PlatformEvent> decode(const std::vector<std::uint8_t>& bytes)
    {
        return decoder.decode(bytes.data(), bytes.size());
    }
    std::vector<std::uint32_t> types(const std::vector<PlatformEvent>& events) const
    {
        std::vector<std::uint32_t> result;
        for (const PlatformEvent& event : events)
            result.push_back(event.type);
        return result;
    }

    std::unique_ptr<X11Keyboard> keyboard = X11Keyboard::forLayout("us", xkbFirstEvent, 3);
    RawEventDecoder decoder{*keyboard, inputOpcode};
};

TEST_F(RawEventDecoderTest, LettingGoReleasesKeysModifiersAndButtonsEachOnce)
{
    constexpr std::uint32_t a = 38, leftControl = 37;
    decode(raw(XCB_INPUT_RAW_KEY_PRESS, leftControl));
    decode(raw(XCB_INPUT_RAW_KEY_PRESS, a));
    EXPECT_EQ(types(decode(raw(XCB_INPUT_RAW_BUTTON_PRESS, 3))), std::vector<std::uint32_t>{EventType::rightMouseDown});
    EXPECT_TRUE(decode(raw(XCB_INPUT_RAW_BUTTON_PRESS, 3)).empty()) << "a press of a button already down";

    const auto released = decoder.releaseAll();
    EXPECT_EQ(types(released),
              (std::vector<std::uint32_t>{EventType::keyUp, EventType::rightMouseUp, EventType::flagsChanged}));
    EXPECT_EQ(released.back().flags, 0u);
    EXPECT_FALSE(decoder.isHoldingAnything());
    EXPECT_TRUE(decoder.releaseAll().empty());
}

TEST_F(RawEventDecoderTest, EventsThatCannotBeWhatTheySayGiveNothing)
{
    for (std::uint32_t impossible : {0u, 7u, 256u, 256u + 38u})
        EXPECT_TRUE(decode(raw(XCB_INPUT_RAW_KEY_PRESS, impossible)).empty()) << impossible;
    auto cutShort = raw(XCB_INPUT_RAW_KEY_PRESS, 38);
    cutShort.resize(30);
    EXPECT_TRUE(decode(cutShort).empty());
    auto otherExtension = raw(XCB_INPUT_RAW_KEY_PRESS, 38);
    otherExtension[1] = inputOpcode + 1;
    EXPECT_TRUE(decode(otherExtension).empty());
    EXPECT_FALSE(decoder.isHoldingAnything());

    const auto pressed = decode(raw(XCB_INPUT_RAW_KEY_PRESS, 38));
    ASSERT_EQ(pressed.size(), 1u) << "a real key still reads";
    EXPECT_EQ(pressed[0].layoutText, "a");
}

} // namespace
} // namespace kestrel::x11
