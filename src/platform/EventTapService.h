#pragma once

#include "platform/PlatformEvent.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace kestrel {

// Installs system-wide, listen-only taps on input events. A tap never changes, delays or
// swallows an event. Everything happens on the main thread.
class EventTapService {
public:
    using TapId = std::uint64_t;
    using Callback = std::function<void(std::uint32_t type, const PlatformEvent& event)>;

    virtual ~EventTapService() = default;

    // Installs a tap for the event types selected by `mask` (bit n = type n), disabled until
    // `enable`. Returns nothing when the system refuses, e.g. without input access.
    virtual std::optional<TapId> createTap(std::uint64_t mask, Callback callback) = 0;
    // Switches delivery on or off; the source may also switch a tap off by itself and then
    // calls its callback with EventType::tapDisabledByTimeout or tapDisabledByUserInput.
    virtual void enable(TapId tap, bool enabled) = 0;
    // Removes the tap; its callback is never called again once this returns.
    virtual void remove(TapId tap) = 0;
    // Hands on at once whatever input has come and not been delivered yet. A source may let
    // input wait a moment (for the overlay's next frame); news from elsewhere about that
    // moment, such as where the keyboard focus went, must not overtake it.
    virtual void deliverPending() {}
    // While the overlay draws frames at the refresh, input need not wake Kestrel when it
    // comes: with `true` the source may keep it until `deliverPending`, which the overlay
    // calls before each frame; the matching `false` ends that. Calls nest.
    virtual void waitForFrames(bool /*wait*/) {}
};

} // namespace kestrel
