#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace kestrel {

// Runs callbacks after a delay on a monotonic clock, on the main thread. Kestrel's timers
// (hide, timed releases) all go through it, so tests drive them with virtual time.
class Scheduler {
public:
    using Handle = std::uint64_t;
    virtual ~Scheduler() = default;

    virtual std::chrono::milliseconds now() const = 0;
    // Runs `task` once, `delay` from now (a negative delay counts as zero).
    virtual Handle schedule(std::chrono::milliseconds delay, std::function<void()> task) = 0;
    virtual void cancel(Handle handle) = 0; // unknown or already-fired handles are ignored
};

} // namespace kestrel
