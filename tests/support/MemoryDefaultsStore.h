#pragma once

#include "platform/DefaultsStore.h"

#include <map>

namespace kestrel::test {

// Preferences held in memory only; counts reads so tests can tell a value read per event
// from one read once.
class MemoryDefaultsStore final : public DefaultsStore {
public:
    mutable int reads = 0;

    std::optional<DefaultsValue> object(std::string_view key) const override
    {
        ++reads;
        const auto found = m_values.find(key);
        if (found == m_values.end())
            return std::nullopt;
        return found->second;
    }

    bool set(std::string_view key, DefaultsValue value) override
    {
        m_values.insert_or_assign(std::string(key), std::move(value));
        return true;
    }

private:
    std::map<std::string, DefaultsValue, std::less<>> m_values;
};

} // namespace kestrel::test
