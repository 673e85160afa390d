#pragma once

#include "common/Geometry.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrel {

// One screen, in global coordinates (origin bottom-left of the primary screen, y up).
struct Screen {
    // Stable identity of the display (an upper-case UUID string); absent when the system
    // cannot name it.
    std::optional<std::string> displayIdentity;
    Rect frame;
    Rect visibleFrame; // without panels and docks
    std::string name;  // as the system names it to the user ("DP-1", "DELL U2720Q")
    bool operator==(const Screen&) const = default;
};

// The screens and the pointer as they are at the time of the call.
class ScreenService {
public:
    virtual ~ScreenService() = default;
    virtual std::vector<Screen> screens() const = 0; // in the system's order
    virtual std::optional<Screen> mainScreen() const = 0;
    virtual Point pointerLocation() const = 0;
};

} // namespace kestrel
