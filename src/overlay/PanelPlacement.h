#pragma once

#include "common/Geometry.h"
#include "overlay/OverlayModel.h"
#include "platform/ScreenService.h"
#include "settings/PreferenceEnums.h"

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace kestrel {

// Where the overlay panel goes: which screen and which rectangle on it. Pure functions of
// the preferences and the screens, in global coordinates (origin bottom-left, y up).
namespace PanelPlacement {

inline constexpr Size panelSize{1400, 200};
inline constexpr double horizontalInset = 40;
inline constexpr double verticalInset = 80;

// The screen whose identity is `displayIdentity`; when it is empty or not connected, the
// screen holding the pointer; failing that the main screen, which may be none.
// The pointer is asked for only when it decides (asking the window system costs a round trip).
std::optional<Screen> resolveScreen(std::string_view displayIdentity, const std::vector<Screen>& screens,
                                    const std::function<Point()>& pointerLocation,
                                    const std::optional<Screen>& mainScreen);

// The panel's frame on a screen's visible frame. `custom` holds the clamped custom
// fractions and is used only for OverlayPosition::custom: it puts the panel's own point
// at those fractions (from its left and top edges) onto the same point of the screen.
Rect panelFrame(OverlayPosition position, const Rect& visibleFrame, UnitPoint custom);

// How the keycap row sits inside the panel at a position.
Alignment alignment(OverlayPosition position);

} // namespace PanelPlacement

} // namespace kestrel
