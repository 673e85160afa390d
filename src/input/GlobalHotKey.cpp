#include "input/GlobalHotKey.h"

#include "input/EventRecords.h"
#include "input/KeystrokeFormatter.h"

#include <array>
#include <utility>

namespace kestrel {

ModifierSet modifiersOf(std::uint32_t hotKeyModifiers)
{
    constexpr std::array<std::pair<Modifier, std::uint32_t>, 4> bits{{
        {Modifier::control, HotKeyModifier::control},
        {Modifier::option, HotKeyModifier::option},
        {Modifier::shift, HotKeyModifier::shift},
        {Modifier::command, HotKeyModifier::command},
    }};
    ModifierSet modifiers;
    for (const auto& [modifier, bit] : bits) {
        if ((hotKeyModifiers & bit) != 0)
            modifiers.insert(modifier);
    }
    return modifiers;
}

std::string hotKeyText(std::uint32_t keyCode, std::uint32_t modifiers)
{
    const auto& keys = KeystrokeFormatter::specialKeys();
    const auto key = keys.find(keyCode);
    if (key == keys.end() || key->second.symbol.empty())
        return {};
    std::string text;
    for (const Modifier modifier : modifiersOf(modifiers))
        text += symbol(modifier);
    return text + std::string(key->second.symbol);
}

GlobalHotKey::GlobalHotKey(HotKeyService& service, std::uint32_t keyCode, std::uint32_t modifiers,
                           std::function<void()> action)
    : m_service(service), m_action(std::move(action))
{
    m_registration =
        m_service.registerHotKey(keyCode, modifiers, ToggleHotKey::identifier, m_self.bind([](GlobalHotKey& self) {
            if (self.m_action)
                self.m_action();
        }));
}

GlobalHotKey::~GlobalHotKey()
{
    // The service holds a pointer to us, not a reference: take it back before we go.
    if (m_registration)
        m_service.unregisterHotKey(*m_registration);
}

} // namespace kestrel
