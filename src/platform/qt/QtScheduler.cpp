#include "platform/qt/QtScheduler.h"

#include <QAbstractEventDispatcher>
#include <QTimerEvent>

namespace kestrel {

namespace {
// Tasks due at once may schedule more such tasks; past this many rounds in one turn the rest
// wait for their timers, so the loop still sleeps and wakes.
constexpr int roundsPerTurn = 8;
} // namespace

QtScheduler::QtScheduler()
{
    watchLoop();
}

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
    // Every task has its timer, also one due at once: should the loop not come to sleep
    // soon (a stream of events, a nested loop), the timer runs it.
    const int timer = startTimer(std::max(delay, std::chrono::milliseconds{0}), Qt::PreciseTimer);
    m_tasks.emplace(handle, Task{timer, std::move(task)});
    m_timers.emplace(timer, handle);
    if (delay.count() <= 0) {
        m_due.push_back(handle);
        watchLoop();
    }
    return handle;
}

void QtScheduler::watchLoop()
{
    // Watched from the start where the loop exists already, so that what else waits for the
    // loop's sleep (an X connection's requests) comes after the tasks due then.
    if (m_watchingLoop)
        return;
    if (auto* dispatcher = QAbstractEventDispatcher::instance(thread())) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { runDueTasks(); });
        m_watchingLoop = true;
    }
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
    if (timer != m_timers.end())
        run(timer->second);
}

void QtScheduler::run(Handle handle)
{
    // Forget the task first: it may schedule or cancel others, itself included.
    auto task = m_tasks.extract(handle);
    if (task.empty())
        return;
    killTimer(task.mapped().timer);
    m_timers.erase(task.mapped().timer);
    task.mapped().run();
}

void QtScheduler::runDueTasks()
{
    for (int round = 0; round < roundsPerTurn && !m_due.empty(); ++round) {
        const std::vector<Handle> due = std::exchange(m_due, {});
        for (const Handle handle : due)
            run(handle); // cancelled or already run by its timer: nothing
    }
}

} // namespace kestrel
