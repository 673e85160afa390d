#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace kestrel {

// A value that tells its observers when it changes. Assigning an equal value is silent, so
// observers hear only of real changes. Observers run synchronously on the thread that
// assigns (always the main thread in Kestrel) and may subscribe or unsubscribe while being
// notified.
template <typename T>
class Observable {
public:
    using Observer = std::function<void(const T&)>;
    using Subscription = std::uint64_t;

    Observable() = default;
    explicit Observable(T initial) : m_value(std::move(initial)) {}

    Observable(const Observable&) = delete;
    Observable& operator=(const Observable&) = delete;

    const T& get() const { return m_value; }
    operator const T&() const { return m_value; }

    // Stores the value and notifies observers, unless it equals the stored one. An equal
    // value is not even copied.
    void set(const T& value)
    {
        if (value == m_value)
            return;
        m_value = value;
        notify();
    }

    void set(T&& value)
    {
        if (value == m_value)
            return;
        m_value = std::move(value);
        notify();
    }

    Observable& operator=(const T& value)
    {
        set(value);
        return *this;
    }

    Observable& operator=(T&& value)
    {
        set(std::move(value));
        return *this;
    }

    // Observing does not change the value, so a read-only holder may subscribe too.
    Subscription subscribe(Observer observer) const
    {
        m_observers.push_back({++m_lastSubscription, std::move(observer)});
        return m_lastSubscription;
    }

    void unsubscribe(Subscription subscription) const
    {
        for (auto& entry : m_observers) {
            if (entry.subscription == subscription)
                entry.observer = nullptr; // compacted once no notification is running
        }
        compact();
    }

private:
    struct Entry {
        Subscription subscription;
        Observer observer;
    };

    void notify()
    {
        ++m_notifying;
        // Index loop: observers may subscribe (appending) while we iterate. Those added
        // during a notification first hear of the next change.
        const std::size_t count = m_observers.size();
        for (std::size_t i = 0; i < count && i < m_observers.size(); ++i) {
            if (m_observers[i].observer) {
                auto observer = m_observers[i].observer; // survives an unsubscribe inside the call
                observer(m_value);
            }
        }
        --m_notifying;
        compact();
    }

    void compact() const
    {
        if (m_notifying > 0)
            return;
        std::erase_if(m_observers, [](const Entry& entry) { return !entry.observer; });
    }

    T m_value{};
    mutable std::vector<Entry> m_observers;
    mutable Subscription m_lastSubscription = 0;
    mutable int m_notifying = 0;
};

} // namespace kestrel
