#include "settings/PreviewKeycaps.h"

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

} // namespace kestrel
