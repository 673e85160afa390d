#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel::SwayIpc {

// Sway's IPC (i3's protocol): "i3-ipc", the payload's length and the message type as 32-bit
// numbers in the machine's order, then the payload, JSON.
inline constexpr std::uint32_t subscribe = 2;
inline constexpr std::uint32_t getInputs = 100;
inline constexpr std::uint32_t inputEvent = 0x80000015;

std::string message(std::uint32_t type, std::string_view payload);

struct Message {
    std::uint32_t type = 0;
    std::string payload;
};

// Takes the first complete message off the front of `buffer`; nothing while it is
// incomplete. A buffer that is not IPC at all is emptied and reported as such.
enum class Framing { incomplete, message, garbage };
Framing take(std::string& buffer, Message& out);

// The layout a keyboard has active, from a GET_INPUTS reply (the first keyboard that says)
// or from an input event that reports a layout switch; nothing from anything else.
std::optional<std::uint32_t> activeLayout(const Message& message);

} // namespace kestrel::SwayIpc
