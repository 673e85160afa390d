#pragma once

#include "input/EventRecords.h"
#include "overlay/InputDisplayState.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrel {

// The sample keycaps the settings and onboarding show: one released cap per modifier of the
// set, in the overlay's order (⌃ ⌥ ⇧ ⌘) whatever order they were given in, then, when a key
// text is given, one more released cap "key-sample" with that text.
std::vector<Keycap> previewKeycaps(ModifierSet modifiers, const std::optional<std::string>& key = std::nullopt);

// The toggle hot key as released keycaps, ⌃ ⌥ ⌘ and a wide ↩, labelled like the key it is
// so a PC keyboard's names apply to it too.
std::vector<Keycap> hotKeyPreviewKeycaps();

} // namespace kestrel
