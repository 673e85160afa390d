#include "platform/qt/QtScheduler.h"

#include <QTimer>

namespace kestrel {

QtScheduler::QtScheduler() = default;
QtScheduler::~QtScheduler() = default;

std::chrono::milliseconds QtScheduler::now() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

Scheduler::Handle QtScheduler::schedule(std::chrono::milliseconds delay, std::function<void()> task)
{
    const Handle handle = ++m_lastHandle;
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer.get(), &QTimer::timeout, [this, handle, task = std::move(task)] {
        // Forget the timer first: the task may schedule or cancel others.
        auto fired = m_timers.extract(handle);
        task();
        if (!fired.empty())
            fired.mapped().release()->deleteLater();
    });
    timer->start(std::max(delay, std::chrono::milliseconds{0}));
    m_timers.emplace(handle, std::move(timer));
    return handle;
}

void QtScheduler::cancel(Handle handle)
{
    m_timers.erase(handle);
}

} // namespace kestrel
