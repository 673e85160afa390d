#pragma once

#include "platform/Scheduler.h"

#include <map>
#include <memory>

class QTimer;

namespace kestrel {

// Timers on the Qt main loop: one precise single-shot QTimer per task, deleted when it
// fires or is cancelled, so nothing ticks while no task is pending.
class QtScheduler final : public Scheduler {
public:
    QtScheduler();
    ~QtScheduler() override;

    std::chrono::milliseconds now() const override;
    Handle schedule(std::chrono::milliseconds delay, std::function<void()> task) override;
    void cancel(Handle handle) override;

private:
    std::map<Handle, std::unique_ptr<QTimer>> m_timers;
    Handle m_lastHandle = 0;
};

} // namespace kestrel
