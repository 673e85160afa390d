#pragma once

#include "common/WeakSelf.h"
#include "input/EventRecords.h"
#include "platform/HotKeyService.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kestrel {

// The shortcut that turns Kestrel on and off, Control-Option-Command-Return. The
// registration and the text shown for it are kept together so they cannot drift apart.
namespace ToggleHotKey {
inline constexpr HotKeyIdentifier identifier{0x4B535452, 1}; // 'KSTR', 1
inline constexpr std::uint32_t keyCode = KeyCode::returnKey;
inline constexpr std::uint32_t modifiers =
    HotKeyModifier::command | HotKeyModifier::option | HotKeyModifier::control; // 0x1900
inline constexpr std::string_view text = "⌃⌥⌘↩";
} // namespace ToggleHotKey

// The modifiers of a hot key's modifier bits.
ModifierSet modifiersOf(std::uint32_t hotKeyModifiers);

// How a combination reads on screen: modifier symbols in display order, then the key's
// symbol ("⌃⌥⌘↩"). Empty when the key has no symbol of its own.
std::string hotKeyText(std::uint32_t keyCode, std::uint32_t modifiers);

// One system-wide shortcut that runs an action on every press, in any application. It
// registers at construction and stays registered for its whole life; a combination that
// another program holds simply never fires. The visualizer owns the toggle hot key.
class GlobalHotKey {
public:
    GlobalHotKey(HotKeyService& service, std::uint32_t keyCode, std::uint32_t modifiers, std::function<void()> action);
    ~GlobalHotKey();

    GlobalHotKey(const GlobalHotKey&) = delete;
    GlobalHotKey& operator=(const GlobalHotKey&) = delete;

    bool isRegistered() const { return m_registration.has_value(); }

private:
    HotKeyService& m_service;
    std::function<void()> m_action;
    std::optional<HotKeyService::Registration> m_registration;
    // A press already on its way when we are destroyed must not reach us.
    WeakSelf<GlobalHotKey> m_self{this};
};

} // namespace kestrel
