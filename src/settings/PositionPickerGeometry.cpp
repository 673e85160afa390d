#include "settings/PositionPickerGeometry.h"

#include <algorithm>

namespace kestrel {

Placement PositionPickerGeometry::placement(OverlayPosition position, double x, double y)
{
    for (const auto& preset : presets) {
        if (preset.position == position)
            return {preset.rect, {0.5, 0.5}};
    }
    return {{x * (1 - markerWidth), y * (1 - markerHeight), markerWidth, markerHeight}, {x, y}};
}

PositionPickerGeometry::Choice PositionPickerGeometry::click(double px, double py)
{
    for (const auto& preset : presets) {
        if (preset.rect.contains(px, py))
            return {preset.position, std::nullopt};
    }
    return drag(px, py);
}

PositionPickerGeometry::Choice PositionPickerGeometry::drag(double px, double py)
{
    return {OverlayPosition::custom, UnitPoint{std::clamp(px, 0.0, 1.0), std::clamp(py, 0.0, 1.0)}};
}

Point PositionPickerGeometry::keyRowCentre(const Placement& placement, double width, double height)
{
    const UnitRect& rect = placement.rect;
    return {width * rect.x + keyRowMargin + keyRowWidth / 2 +
                (width * rect.width - keyRowWidth - 2 * keyRowMargin) * placement.anchor.x,
            height * rect.y + keyRowMargin + keyRowHeight / 2 +
                (height * rect.height - keyRowHeight - 2 * keyRowMargin) * placement.anchor.y};
}

} // namespace kestrel
