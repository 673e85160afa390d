#pragma once

#include "platform/EventTapService.h"

#include <map>
#include <vector>

namespace kestrel {

// The taps an event source has handed out, and the delivery of its events to them: each
// event goes to every enabled tap whose mask selects its type, and news that a tap was
// switched off goes to all enabled taps. Callbacks may add or remove taps while an event is
// delivered; a tap removed meanwhile is not called.
class TapRegistry {
public:
    using TapId = EventTapService::TapId;

    TapId add(std::uint64_t mask, EventTapService::Callback callback);
    void enable(TapId tap, bool enabled);
    void remove(TapId tap);
    bool empty() const { return m_taps.empty(); }

    void deliver(const PlatformEvent& event);
    void deliver(const std::vector<PlatformEvent>& events);

private:
    struct Tap {
        std::uint64_t mask = 0;
        EventTapService::Callback callback;
        bool enabled = false;
    };
    std::map<TapId, Tap> m_taps;
    TapId m_lastTap = 0;
};

} // namespace kestrel
