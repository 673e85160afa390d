#include "overlay/FramePacer.h"

#include "platform/Scheduler.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

namespace kestrel {

namespace {

// Refresh rates a display may really have; anything else is a misreport.
constexpr double slowestRefresh = 20;
constexpr double fastestRefresh = 500;

} // namespace

FramePacer::FramePacer(Scheduler& scheduler, FramedInput input, std::function<void()> compose)
    : m_scheduler(scheduler), m_input(std::move(input)), m_compose(std::move(compose))
{}

FramePacer::~FramePacer()
{
    cancel();
    letInputWait(false); // input wakes Kestrel again
}

double FramePacer::now() const
{
    return std::chrono::duration<double>(m_scheduler.now()).count();
}

void FramePacer::setInterval(double seconds)
{
    const bool believable = seconds >= 1 / fastestRefresh && seconds <= 1 / slowestRefresh;
    m_interval = believable ? seconds : 1.0 / 60;
}

void FramePacer::request()
{
    if (m_takingInput)
        return; // the frame being composed shows it
    const double earliest = m_lastPresented ? *m_lastPresented + m_interval : 0;
    scheduleIn(earliest - now());
}

void FramePacer::scheduleIn(double wait)
{
    const auto delay = std::chrono::milliseconds(std::max(0L, std::lround(wait * 1000)));
    const double due = now() + std::chrono::duration<double>(delay).count();
    if (m_task && m_due <= due)
        return; // the frame on its way comes soon enough
    cancel();
    m_due = due;
    m_task = m_scheduler.schedule(delay, [this] {
        m_task.reset();
        frameDue();
        if (!m_task)
            letInputWait(false);
    });
    // A little leeway: the next frame is scheduled from the time this one was composed.
    letInputWait(wait <= 1.5 * m_interval);
}

void FramePacer::frameDue()
{
    if (m_inputWaits) {
        // What came since the last frame: it changes this frame, not the schedule. (The
        // panel that owns the composer is made once and kept, so input cannot end it here.)
        m_takingInput = true;
        m_input.takeInput();
        m_takingInput = false;
    }
    m_compose();
}

void FramePacer::letInputWait(bool wait)
{
    if (wait == m_inputWaits || !m_input.waitForFrames || !m_input.takeInput)
        return;
    m_inputWaits = wait;
    m_input.waitForFrames(wait);
}

void FramePacer::cancel()
{
    if (m_task)
        m_scheduler.cancel(*std::exchange(m_task, std::nullopt));
}

} // namespace kestrel
