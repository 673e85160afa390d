#include "settings/PreviewKeycaps.h"

#include "input/GlobalHotKey.h"
#include "input/KeystrokeFormatter.h"

namespace kestrel {

std::vector<Keycap> previewKeycaps(ModifierSet modifiers, const std::optional<std::string>& key)
{
    std::vector<Keycap> keycaps = InputDisplayState::modifierKeycaps(modifiers);
    for (Keycap& keycap : keycaps)
        keycap.isPressed = false; // a picture of keys at rest
    if (key)
        keycaps.push_back(Keycap{.id = "key-sample", .symbol = *key, .isPressed = false, .shape = KeycapShape::key});
    return keycaps;
}

std::vector<Keycap> hotKeyPreviewKeycaps()
{
    ModifierSet modifiers;
    for (const auto& [bit, modifier] :
         {std::pair{HotKeyModifier::control, Modifier::control}, std::pair{HotKeyModifier::option, Modifier::option},
          std::pair{HotKeyModifier::shift, Modifier::shift}, std::pair{HotKeyModifier::command, Modifier::command}}) {
        if ((ToggleHotKey::modifiers & bit) != 0)
            modifiers.insert(modifier);
    }
    std::vector<Keycap> keycaps = previewKeycaps(modifiers);
    const SpecialKey& key = KeystrokeFormatter::specialKeys().at(ToggleHotKey::keyCode);
    keycaps.push_back(Keycap{.id = "key-" + std::to_string(ToggleHotKey::keyCode),
                             .symbol = std::string(key.symbol),
                             .name = key.name ? std::optional<std::string>(*key.name) : std::nullopt,
                             .isPressed = false,
                             .shape = KeycapShape::shift});
    return keycaps;
}

} // namespace kestrel
