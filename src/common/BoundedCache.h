#pragma once

#include <cstddef>
#include <functional>
#include <list>
#include <unordered_map>
#include <utility>

namespace kestrel {

// Values kept for reuse within a budget of bytes, the least recently used going first. Each
// value is charged what its owner says it costs. The value just stored is never the one that
// goes, so a reference returned by `find` or `insert` stays good until the next `insert`,
// `erase` or `clear`; a value larger than the whole budget is kept alone until then.
//
// `evicted` hears of every value that goes to make room (not of those erased or cleared by
// the owner), for owners that must give something back, such as a picture a server holds.
template <typename Key, typename Value, typename Hash = std::hash<Key>>
class BoundedCache {
public:
    using Evicted = std::function<void(const Key&, Value&)>;

    explicit BoundedCache(std::size_t budget, Evicted evicted = {}) : m_budget(budget), m_evicted(std::move(evicted)) {}
    BoundedCache(const BoundedCache&) = delete;
    BoundedCache& operator=(const BoundedCache&) = delete;

    // The value stored under `key`, now the most recently used, or null.
    Value* find(const Key& key)
    {
        const auto found = m_index.find(key);
        if (found == m_index.end())
            return nullptr;
        m_entries.splice(m_entries.begin(), m_entries, found->second);
        return &found->second->value;
    }

    // Stores `value` under `key` (replacing what was there) as the most recently used, then
    // lets the least recently used go until the rest fits the budget.
    Value& insert(Key key, Value value, std::size_t cost)
    {
        erase(key);
        m_entries.push_front({key, std::move(value), cost});
        m_index.emplace(std::move(key), m_entries.begin());
        m_bytes += cost;
        fitBudget();
        return m_entries.front().value;
    }

    // A new budget; the least recently used go until the rest fits it.
    void setBudget(std::size_t budget)
    {
        m_budget = budget;
        fitBudget();
    }

    void erase(const Key& key)
    {
        const auto found = m_index.find(key);
        if (found == m_index.end())
            return;
        m_bytes -= found->second->cost;
        m_entries.erase(found->second);
        m_index.erase(found);
    }

    void clear()
    {
        m_index.clear();
        m_entries.clear();
        m_bytes = 0;
    }

    // Every value, the most recently used first.
    template <typename Visit>
    void forEach(Visit visit) const
    {
        for (const Entry& entry : m_entries)
            visit(entry.key, entry.value);
    }

    std::size_t size() const { return m_entries.size(); }
    std::size_t bytes() const { return m_bytes; }
    std::size_t budget() const { return m_budget; }

private:
    struct Entry {
        Key key;
        Value value;
        std::size_t cost = 0;
    };

    void fitBudget()
    {
        while (m_bytes > m_budget && m_entries.size() > 1) {
            Entry& oldest = m_entries.back();
            if (m_evicted)
                m_evicted(oldest.key, oldest.value);
            dropOldest();
        }
    }

    void dropOldest()
    {
        m_bytes -= m_entries.back().cost;
        m_index.erase(m_entries.back().key);
        m_entries.pop_back();
    }

    std::size_t m_budget;
    Evicted m_evicted;
    std::list<Entry> m_entries; // the most recently used first
    std::unordered_map<Key, typename std::list<Entry>::iterator, Hash> m_index;
    std::size_t m_bytes = 0;
};

} // namespace kestrel
