#pragma once

#include "platform/Scheduler.h"

#include <map>
#include <utility>

namespace kestrel::test {

// Virtual time: nothing runs until the test advances the clock, and then every task that
// falls due runs in order of its due time, including tasks scheduled while advancing.
class ManualScheduler final : public Scheduler {
public:
    // Lets cancelled tasks run anyway, as a task already on its way would: the owner's own
    // guards must then keep them from doing anything.
    bool cancelArrivesTooLate = false;

    std::chrono::milliseconds now() const override { return m_now; }

    Handle schedule(std::chrono::milliseconds delay, std::function<void()> task) override
    {
        const auto due = m_now + std::max(delay, std::chrono::milliseconds{0});
        m_tasks.emplace(std::pair{due, ++m_lastHandle}, std::move(task));
        return m_lastHandle;
    }

    void cancel(Handle handle) override
    {
        if (cancelArrivesTooLate)
            return;
        std::erase_if(m_tasks, [handle](const auto& entry) { return entry.first.second == handle; });
    }

    void advance(std::chrono::milliseconds duration)
    {
        const auto end = m_now + duration;
        while (!m_tasks.empty() && m_tasks.begin()->first.first <= end) {
            auto entry = m_tasks.extract(m_tasks.begin());
            m_now = entry.key().first;
            entry.mapped()();
        }
        m_now = end;
    }

    std::size_t pendingCount() const { return m_tasks.size(); }

private:
    std::chrono::milliseconds m_now{0};
    std::map<std::pair<std::chrono::milliseconds, Handle>, std::function<void()>> m_tasks;
    Handle m_lastHandle = 0;
};

} // namespace kestrel::test
