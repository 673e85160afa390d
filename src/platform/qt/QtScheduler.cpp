#include "platform/qt/QtScheduler.h"

#include <QTimerEvent>

namespace kestrel {

QtScheduler::QtScheduler() = default;

QtScheduler::~QtScheduler()
{
    for (const auto& [timer, handle] : m_timers)
        killTimer(timer);
}

std::chrono::milliseconds QtScheduler::now() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

Scheduler::Handle QtScheduler::schedule(std::chrono::milliseconds delay, std::function<void()> task)
{
    const Handle handle = ++m_lastHandle;
    const int timer = startTimer(std::max(delay, std::chrono::milliseconds{0}), Qt::PreciseTimer);
    m_tasks.emplace(handle, Task{timer, std::move(task)});
    m_timers.emplace(timer, handle);
    return handle;
}

void QtScheduler::cancel(Handle handle)
{
    const auto task = m_tasks.find(handle);
    if (task == m_tasks.end())
        return;
    killTimer(task->second.timer);
    m_timers.erase(task->second.timer);
    m_tasks.erase(task);
}

void QtScheduler::timerEvent(QTimerEvent* event)
{
    const auto timer = m_timers.find(event->timerId());
    if (timer == m_timers.end())
        return;
    killTimer(timer->first);
    // Forget the task first: it may schedule or cancel others, itself included.
    auto task = m_tasks.extract(timer->second);
    m_timers.erase(timer);
    if (!task.empty())
        task.mapped().run();
}

} // namespace kestrel
