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

} // namespace kestrel
