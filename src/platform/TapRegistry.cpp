#include "platform/TapRegistry.h"

namespace kestrel {

TapRegistry::TapId TapRegistry::add(std::uint64_t mask, EventTapService::Callback callback)
{
    const TapId id = ++m_lastTap;
    m_taps[id] = Tap{mask, std::move(callback), false};
    return id;
}

void TapRegistry::enable(TapId tap, bool enabled)
{
    if (auto found = m_taps.find(tap); found != m_taps.end())
        found->second.enabled = enabled;
}

void TapRegistry::remove(TapId tap)
{
    m_taps.erase(tap);
}

void TapRegistry::deliver(const std::vector<PlatformEvent>& events)
{
    for (const PlatformEvent& event : events)
        deliver(event);
}

void TapRegistry::deliver(const PlatformEvent& event)
{
    // A callback may add or remove taps: walk a snapshot of the ids.
    std::vector<TapId> targets;
    for (const auto& [id, tap] : m_taps) {
        const bool selected = event.type >= EventType::tapDisabledByTimeout ||
                              (event.type < 64 && (tap.mask & (std::uint64_t{1} << event.type)) != 0);
        if (tap.enabled && selected)
            targets.push_back(id);
    }
    for (TapId id : targets) {
        const auto tap = m_taps.find(id);
        if (tap != m_taps.end() && tap->second.enabled) {
            const EventTapService::Callback callback = tap->second.callback;
            callback(event.type, event);
        }
    }
}

} // namespace kestrel
