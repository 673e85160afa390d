#include "platform/keys/PointerButtons.h"

namespace kestrel::keys {

bool isClickButton(std::uint32_t button)
{
    switch (button) {
    case LogicalButton::left:
    case LogicalButton::middle:
    case LogicalButton::right:
    case LogicalButton::back:
    case LogicalButton::forward:
        return true;
    default:
        return false;
    }
}

PlatformEvent buttonEvent(std::uint32_t button, bool isPress, std::uint64_t flags)
{
    switch (button) {
    case LogicalButton::left:
        return PlatformEvent{.type = isPress ? EventType::leftMouseDown : EventType::leftMouseUp, .flags = flags};
    case LogicalButton::right:
        return PlatformEvent{.type = isPress ? EventType::rightMouseDown : EventType::rightMouseUp, .flags = flags};
    default:
        return PlatformEvent{.type = isPress ? EventType::otherMouseDown : EventType::otherMouseUp,
                             .flags = flags,
                             .buttonNumber =
                                 button == LogicalButton::middle ? 2 : static_cast<std::int64_t>(button) - 5};
    }
}

PlatformEvent scrollEvent(double vertical, double horizontal, std::uint64_t flags)
{
    return PlatformEvent{
        .type = EventType::scrollWheel, .flags = flags, .scrollDeltaAxis1 = vertical, .scrollDeltaAxis2 = horizontal};
}

} // namespace kestrel::keys
