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
        keycaps.push_back(
            Keycap{.id = std::string(KeycapId::sample), .symbol = *key, .isPressed = false, .shape = KeycapShape::key});
    return keycaps;
}

std::vector<Keycap> hotKeyPreviewKeycaps()
{
    std::vector<Keycap> keycaps = previewKeycaps(modifiersOf(ToggleHotKey::modifiers));
    const SpecialKey& key = KeystrokeFormatter::specialKeys().at(ToggleHotKey::keyCode);
    keycaps.push_back(Keycap{.id = KeycapId::forKey(ToggleHotKey::keyCode),
                             .symbol = std::string(key.symbol),
                             .name = key.name ? std::optional<std::string>(*key.name) : std::nullopt,
                             .keyCode = ToggleHotKey::keyCode,
                             .isPressed = false,
                             .shape = KeycapShape::shift});
    return keycaps;
}

} // namespace kestrel
