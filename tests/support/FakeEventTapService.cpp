#include "support/FakeEventTapService.h"

#include <utility>
#include <vector>

namespace kestrel::test {

std::optional<EventTapService::TapId> FakeEventTapService::createTap(std::uint64_t mask, Callback callback)
{
    if ((mask & refusedTypes) != 0)
        return std::nullopt;
    ++tapsCreated;
    m_taps[++m_lastId] = Tap{mask, std::move(callback), false};
    return m_lastId;
}

void FakeEventTapService::enable(TapId tap, bool enabled)
{
    ++enableCalls;
    if (auto found = m_taps.find(tap); found != m_taps.end())
        found->second.enabled = enabled;
}

void FakeEventTapService::remove(TapId tap)
{
    m_taps.erase(tap);
}

void FakeEventTapService::deliver(const PlatformEvent& event)
{
    // Collect first: a callback may remove taps.
    std::vector<Callback> targets;
    for (const auto& [id, tap] : m_taps) {
        if (tap.enabled && event.type < 64 && (tap.mask & (std::uint64_t{1} << event.type)) != 0)
            targets.push_back(tap.callback);
    }
    for (const auto& callback : targets)
        callback(event.type, event);
}

void FakeEventTapService::deliverPending()
{
    for (const PlatformEvent& event : std::exchange(m_held, {}))
        deliver(event);
}

void FakeEventTapService::disable(TapId tap, std::uint32_t reason)
{
    auto found = m_taps.find(tap);
    if (found == m_taps.end())
        return;
    found->second.enabled = false;
    auto callback = found->second.callback;
    callback(reason, PlatformEvent{.type = reason});
}

} // namespace kestrel::test
