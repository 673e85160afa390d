#include "platform/desktop/SwayIpc.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstring>

namespace kestrel::SwayIpc {

namespace {

constexpr std::string_view magic = "i3-ipc";
constexpr std::size_t headerSize = magic.size() + 2 * sizeof(std::uint32_t);
// No reply Kestrel asks for is near this; a longer one is not sway talking.
constexpr std::uint32_t largestPayload = 16 * 1024 * 1024;

std::optional<std::uint32_t> layoutOf(const nlohmann::json& input)
{
    if (!input.is_object() || input.value("type", "") != "keyboard")
        return std::nullopt;
    const auto index = input.find("xkb_active_layout_index");
    if (index == input.end() || !index->is_number_unsigned())
        return std::nullopt;
    return index->get<std::uint32_t>();
}

} // namespace

std::string message(std::uint32_t type, std::string_view payload)
{
    std::string bytes(magic);
    const auto length = static_cast<std::uint32_t>(payload.size());
    bytes.append(reinterpret_cast<const char*>(&length), sizeof(length));
    bytes.append(reinterpret_cast<const char*>(&type), sizeof(type));
    bytes.append(payload);
    return bytes;
}

Framing take(std::string& buffer, Message& out)
{
    if (buffer.size() < headerSize) {
        const std::size_t known = std::min(buffer.size(), magic.size());
        if (std::string_view(buffer).substr(0, known) == magic.substr(0, known))
            return Framing::incomplete;
        buffer.clear();
        return Framing::garbage;
    }
    std::uint32_t length = 0;
    std::memcpy(&length, buffer.data() + magic.size(), sizeof(length));
    if (!buffer.starts_with(magic) || length > largestPayload) {
        buffer.clear();
        return Framing::garbage;
    }
    if (buffer.size() < headerSize + length)
        return Framing::incomplete;
    std::memcpy(&out.type, buffer.data() + magic.size() + sizeof(length), sizeof(out.type));
    out.payload = buffer.substr(headerSize, length);
    buffer.erase(0, headerSize + length);
    return Framing::message;
}

std::optional<std::uint32_t> activeLayout(const Message& message)
{
    const auto json = nlohmann::json::parse(message.payload, nullptr, false);
    if (json.is_discarded())
        return std::nullopt;
    if (message.type == getInputs && json.is_array()) {
        for (const auto& input : json) {
            if (const auto layout = layoutOf(input))
                return layout;
        }
    } else if (message.type == inputEvent && json.is_object() && json.value("change", "") == "xkb_layout") {
        if (const auto input = json.find("input"); input != json.end())
            return layoutOf(*input);
    }
    return std::nullopt;
}

} // namespace kestrel::SwayIpc
