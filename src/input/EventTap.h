#pragma once

#include "common/WeakSelf.h"
#include "platform/EventTapService.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>

namespace kestrel {

// One listen-only tap on a fixed set of event types. The keystroke and mouse monitors each
// own one and start and stop it. While running it hands every event to its handler and
// switches itself back on when the source disables it. Destroying an EventTap removes its
// tap, and no callback reaches it afterwards.
class EventTap {
public:
    using Handler = std::function<void(std::uint32_t type, const PlatformEvent& event)>;

    EventTap(EventTapService& service, std::initializer_list<std::uint32_t> types, Handler handler);
    ~EventTap();

    EventTap(const EventTap&) = delete;
    EventTap& operator=(const EventTap&) = delete;

    // Bit n set for each type n; types of 64 or more add nothing.
    static std::uint64_t maskFor(std::initializer_list<std::uint32_t> types);

    std::uint64_t mask() const { return m_mask; }
    bool isRunning() const { return m_tap.has_value(); }

    // Installs and enables a tap; true when running afterwards. A second start keeps the tap.
    bool start();
    // Disables and removes the tap; nothing happens when stopped.
    void stop();

private:
    void handleEvent(std::uint32_t type, const PlatformEvent& event);

    EventTapService& m_service;
    std::uint64_t m_mask;
    Handler m_handler;
    std::optional<EventTapService::TapId> m_tap;
    // Callbacks hold the tap weakly, so even a source that delivers late never reaches a
    // destroyed tap.
    WeakSelf<EventTap> m_self{this};
};

} // namespace kestrel
