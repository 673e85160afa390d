#pragma once

#include "platform/EventTapService.h"

#include <map>
#include <vector>

namespace kestrel::test {

// An event source under the test's control: it records the taps Kestrel installs and
// delivers events to them on request, the way the X11 source would.
class FakeEventTapService final : public EventTapService {
public:
    struct Tap {
        std::uint64_t mask = 0;
        Callback callback;
        bool enabled = false;
    };

    // Taps whose mask meets these bits are refused, as without input access.
    std::uint64_t refusedTypes = 0;
    static constexpr std::uint64_t everything = ~std::uint64_t{0};
    int tapsCreated = 0;
    int enableCalls = 0;

    std::optional<TapId> createTap(std::uint64_t mask, Callback callback) override;
    void enable(TapId tap, bool enabled) override;
    void remove(TapId tap) override;

    // The live taps, by id.
    const std::map<TapId, Tap>& taps() const { return m_taps; }
    // Delivers the event to every enabled tap whose mask selects its type.
    void deliver(const PlatformEvent& event);
    // Keeps the event until Kestrel asks for what is pending, as the X11 source does while
    // the overlay's frames come.
    void hold(const PlatformEvent& event) { m_held.push_back(event); }
    void deliverPending() override;
    // Switches a tap off by itself, as a source does with a slow callback, and tells it so.
    void disable(TapId tap, std::uint32_t reason);

private:
    std::map<TapId, Tap> m_taps;
    std::vector<PlatformEvent> m_held;
    TapId m_lastId = 0;
};

} // namespace kestrel::test
