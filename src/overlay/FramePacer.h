#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace kestrel {

class Scheduler;

// When the overlay's frames are composed: at the display's refresh, a burst of changes drawn
// once, and nothing scheduled at rest, so the overlay makes no wake-ups then.
//
// It also paces the input that can wait for frames. While frames come at the refresh, a key
// need not wake Kestrel when it comes: the next frame would show it no sooner.
// `waitForFrames(true)` asks the input to hold what comes, `takeInput()` hands it on just
// before each frame is composed, and `waitForFrames(false)` (at rest, or when the next frame
// is far off) has it wake Kestrel again at once.
class FramePacer {
public:
    struct FramedInput {
        std::function<void(bool)> waitForFrames;
        std::function<void()> takeInput;
    };

    // `compose` makes each frame when it is due; it may schedule the next one.
    FramePacer(Scheduler& scheduler, FramedInput input, std::function<void()> compose);
    ~FramePacer();
    FramePacer(const FramePacer&) = delete;
    FramePacer& operator=(const FramePacer&) = delete;

    // Seconds on the scheduler's clock.
    double now() const;
    // The time between two frames on the display (seconds); 60 Hz until told, and then too
    // for a rate no display has.
    void setInterval(double seconds);
    double interval() const { return m_interval; }
    // When a frame composed now will be on the display.
    double frameTime() const { return now() + m_interval; }

    // A frame as soon as the display takes one, but no sooner than a refresh after the last
    // one presented.
    void request();
    // A frame in `wait` seconds, unless one is due sooner.
    void scheduleIn(double wait);
    // The frame composed now went to the display.
    void presented() { m_lastPresented = now(); }
    // Whether a frame is on its way.
    bool isScheduled() const { return m_task.has_value(); }

private:
    void cancel();
    void frameDue();
    // Whether input waits for the frames: only while one is due within about a refresh.
    void letInputWait(bool wait);

    Scheduler& m_scheduler;
    FramedInput m_input;
    std::function<void()> m_compose;
    double m_interval = 1.0 / 60;
    std::optional<double> m_lastPresented;
    std::optional<std::uint64_t> m_task;
    double m_due = 0; // when the frame on its way is due
    bool m_inputWaits = false;
    bool m_takingInput = false; // the frame about to be composed shows what comes now
};

} // namespace kestrel
