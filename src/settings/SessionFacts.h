#pragma once

#include "settings/PasswordProtection.h"
#include "settings/PreferenceEnums.h"

#include <string>

namespace kestrel {

// What differs between the desktop sessions Kestrel runs in, for what its settings promise.
struct SessionFacts {
    PromptGuard promptGuard = PromptGuard::keyboardGrabs;
    // Whether Kestrel grabs the hot key itself (X11). Wayland has no key grabs for programs:
    // there the desktop's own shortcut settings run `kestrel --toggle`.
    bool grabsHotKey = true;
};

// The subtitle of the switch that shows keys: the hot key, or how to get one.
UiMessage showKeysHint(KeyLabelStyle style, const SessionFacts& session);

} // namespace kestrel
