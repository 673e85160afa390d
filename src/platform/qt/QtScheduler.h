#pragma once

#include "platform/Scheduler.h"

#include <QObject>

#include <map>
#include <vector>

namespace kestrel {

// Timers on the Qt main loop: one precise single-shot timer of one object per task, stopped
// when it fires or is cancelled, so nothing ticks while no task is pending and a task costs
// no object of its own. A task due at once runs when the main loop has handled what woke it
// and would go to sleep, in the same turn rather than the next: a key press and the frame
// that shows it cost one wake-up.
class QtScheduler final : public QObject, public Scheduler {
public:
    QtScheduler();
    ~QtScheduler() override;

    std::chrono::milliseconds now() const override;
    Handle schedule(std::chrono::milliseconds delay, std::function<void()> task) override;
    void cancel(Handle handle) override;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    struct Task {
        int timer = 0;
        std::function<void()> run;
    };

    void watchLoop();
    void run(Handle handle);
    void runDueTasks();

    std::map<Handle, Task> m_tasks;
    std::map<int, Handle> m_timers; // Qt's timer id to the task's handle
    std::vector<Handle> m_due;      // tasks due at once, in the order they came
    bool m_watchingLoop = false;
    Handle m_lastHandle = 0;
};

} // namespace kestrel
