#pragma once

#include "platform/HotKeyService.h"

#include <map>
#include <vector>

namespace kestrel::test {

// Records hot-key registrations and presses them on request.
class FakeHotKeyService final : public HotKeyService {
public:
    struct Entry {
        std::uint32_t keyCode = 0;
        std::uint32_t modifiers = 0;
        HotKeyIdentifier identifier;
        std::function<void()> onPressed;
    };

    bool refuse = false; // as when another program holds the combination

    std::optional<Registration> registerHotKey(std::uint32_t keyCode, std::uint32_t modifiers,
                                               HotKeyIdentifier identifier, std::function<void()> onPressed) override
    {
        if (refuse)
            return std::nullopt;
        m_entries[++m_lastId] = Entry{keyCode, modifiers, identifier, std::move(onPressed)};
        return m_lastId;
    }

    void unregisterHotKey(Registration registration) override
    {
        unregistered.push_back(registration);
        m_entries.erase(registration);
    }
    std::vector<Registration> unregistered; // every registration let go, known or not

    const std::map<Registration, Entry>& entries() const { return m_entries; }

    // Presses the combination: every registration that matches it exactly fires.
    void press(std::uint32_t keyCode, std::uint32_t modifiers)
    {
        for (const auto& [id, entry] : m_entries) {
            if (entry.keyCode == keyCode && entry.modifiers == modifiers)
                entry.onPressed();
        }
    }

private:
    std::map<Registration, Entry> m_entries;
    Registration m_lastId = 0;
};

} // namespace kestrel::test
